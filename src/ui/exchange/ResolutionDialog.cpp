#include "exchange/ResolutionDialog.h"

#include "platform/NumberText.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

ResolutionDialog::ResolutionDialog(double widthMm, int dotsPerInch, bool bitmap, double naturalWidthMm,
                                   double naturalHeightMm, QWidget *parent)
    : QDialog(parent)
    , m_aspect(naturalHeightMm / naturalWidthMm)
{
    setObjectName(QStringLiteral("dlgGraphResolution"));
    setWindowTitle(QStringLiteral("Graph Size and Resolution"));
    auto *layout = new QFormLayout(this);
    spnWidth = new QDoubleSpinBox(this);
    spnWidth->setObjectName(QStringLiteral("spnWidth"));
    spnWidth->setDecimals(1);
    spnWidth->setRange(MinimumWidthMm, MaximumWidthMm);
    spnWidth->setSuffix(QStringLiteral(" mm"));
    spnWidth->setValue(widthMm);
    layout->addRow(QStringLiteral("Width of the picture:"), spnWidth);
    lblHeight = new QLabel(this);
    lblHeight->setObjectName(QStringLiteral("lblHeight"));
    layout->addRow(QStringLiteral("Height:"), lblHeight);
    spnResolution = new QSpinBox(this);
    spnResolution->setObjectName(QStringLiteral("spnResolution"));
    spnResolution->setRange(MinimumDpi, MaximumDpi);
    spnResolution->setSuffix(QStringLiteral(" dpi"));
    spnResolution->setValue(dotsPerInch);
    spnResolution->setEnabled(bitmap); // SVG and PDF keep lines and texts sharp at any size
    layout->addRow(QStringLiteral("Resolution of the picture:"), spnResolution);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(spnWidth, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &ResolutionDialog::showHeight);
    showHeight();
}

void ResolutionDialog::showHeight()
{
    lblHeight->setText(NumberText::format(spnWidth->value() * m_aspect, QStringLiteral("0"))
                       + QStringLiteral(" mm (the proportions of the graph)"));
}
