#include "fitting/FitResultsPanel.h"

#include "fitting/FitTexts.h"
#include "platform/NumberText.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Fitting;

namespace {

const QStringList kHeadings{QStringLiteral("Parameter"),
                            QStringLiteral("Value"),
                            QStringLiteral("SE"),
                            QStringLiteral("95% interval"),
                            QStringLiteral("Profile 95% interval"),
                            QStringLiteral("Unit")};

QLabel *wrappedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

FitResultsPanel::FitResultsPanel(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{
    setObjectName(QStringLiteral("fraFitResults"));
    auto *layout = new QVBoxLayout(this);
    lblOutOfDate = new QLabel(QStringLiteral("out of date: fit again"), this);
    lblOutOfDate->setObjectName(QStringLiteral("lblOutOfDate"));
    QFont bold = lblOutOfDate->font();
    bold.setBold(true);
    lblOutOfDate->setFont(bold);
    lblOutOfDate->hide();
    layout->addWidget(lblOutOfDate);

    tblParameters = new QTableWidget(0, int(kHeadings.size()), this);
    tblParameters->setObjectName(QStringLiteral("tblParameters"));
    tblParameters->setHorizontalHeaderLabels(kHeadings);
    tblParameters->verticalHeader()->hide();
    tblParameters->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblParameters->setSelectionMode(QAbstractItemView::ContiguousSelection);
    tblParameters->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblParameters->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(tblParameters, 1);

    lblStatistics = wrappedLabel("lblStatistics", this);
    layout->addWidget(lblStatistics);
    lblNote = wrappedLabel("lblNote", this);
    layout->addWidget(lblNote);
}

void FitResultsPanel::showResult(const FitResult &result, const QString &note)
{
    tblParameters->setRowCount(int(result.parameters.size()));
    for (int row = 0; row < int(result.parameters.size()); ++row) {
        const ParameterEstimate &estimate = result.parameters[size_t(row)];
        const QStringList texts{estimate.name,
                                FitNumberText(estimate.value),
                                estimate.fixed ? QStringLiteral("fixed") : FitNumberText(estimate.se),
                                estimate.fixed ? QString() : AsymptoticText(estimate),
                                estimate.fixed ? QString() : ProfileText(estimate),
                                estimate.unit};
        for (int col = 0; col < texts.size(); ++col)
            tblParameters->setItem(row, col, new QTableWidgetItem(texts[col]));
    }
    tblParameters->resizeColumnsToContents();
    lblStatistics->setText(QStringLiteral("Residual SD: %1    R²: %2    AICc: %3    df: %4")
                               .arg(FitNumberText(result.residualSD), FitNumberText(result.rSquared), AiccText(result),
                                    NumberText::format(result.df, QStringLiteral("#0"))));
    lblNote->setText(note);
    // The wrapped lines take their height now, not at the next layout pass.
    layout()->activate();
    m_hasResult = true;
    setOutOfDate(false);
}

void FitResultsPanel::showNote(const QString &note)
{
    tblParameters->setRowCount(0);
    lblStatistics->clear();
    lblNote->setText(note);
    m_hasResult = false;
    setOutOfDate(false);
}

void FitResultsPanel::markOutOfDate()
{
    if (m_hasResult)
        setOutOfDate(true);
}

void FitResultsPanel::setOutOfDate(bool outOfDate)
{
    m_outOfDate = outOfDate;
    lblOutOfDate->setVisible(outOfDate);
    // Greyed, but still readable and selectable for a comparison by eye.
    for (QWidget *shown : {static_cast<QWidget *>(tblParameters), static_cast<QWidget *>(lblStatistics),
                           static_cast<QWidget *>(lblNote)})
        shown->setEnabled(!outOfDate);
}
