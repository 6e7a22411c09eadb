#include "exchange/ResolutionDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

ResolutionDialog::ResolutionDialog(int dotsPerInch, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgGraphResolution"));
    setWindowTitle(QStringLiteral("Graph Resolution"));
    auto *layout = new QFormLayout(this);
    spnResolution = new QSpinBox(this);
    spnResolution->setObjectName(QStringLiteral("spnResolution"));
    spnResolution->setRange(MinimumDpi, MaximumDpi);
    spnResolution->setSuffix(QStringLiteral(" dpi"));
    spnResolution->setValue(dotsPerInch);
    layout->addRow(QStringLiteral("Resolution of the picture:"), spnResolution);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
