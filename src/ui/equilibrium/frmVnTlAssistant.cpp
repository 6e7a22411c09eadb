#include "equilibrium/frmVnTlAssistant.h"

#include "equilibrium/CombinationChart.h"
#include "equilibrium/EquilibriumWindows.h"
#include "equilibrium/InputGuidance.h"
#include "equilibrium/frmVornish.h"
#include "exchange/ToolData.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

frmVnTlAssistant::frmVnTlAssistant()
    : ChildWindow(QStringLiteral("frmVnTlAssistant"), QStringLiteral("Equilibrium Tool Assistant"))
{
    ToolData::RegisterWindow(this, ToolData::Source::Equilibrium, ToolData::Role::Companion);
    showCloseButtonOnly();
    auto *content = new QWidget();
    auto *outer = new QVBoxLayout(content);
    outer->setContentsMargins(6, 6, 6, 6);

    fraVnToolHelp = new QGroupBox(QStringLiteral("Assistant:"));
    fraVnToolHelp->setObjectName(QStringLiteral("fraVnToolHelp"));
    auto *helpLayout = new QVBoxLayout(fraVnToolHelp);
    lblInputSuggestion = new QLabel(modVornish::GuidanceText({}));
    lblInputSuggestion->setObjectName(QStringLiteral("lblInputSuggestion"));
    lblInputSuggestion->setWordWrap(true);
    lblInputSuggestion->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // The longest guidance (six filled fields) must fit the narrow window whole.
    QFont guidanceFont = lblInputSuggestion->font();
    guidanceFont.setPointSizeF(8);
    lblInputSuggestion->setFont(guidanceFont);
    helpLayout->setContentsMargins(6, 4, 6, 4);
    helpLayout->addWidget(lblInputSuggestion);
    // Above the chart: the guidance points to it "below".
    outer->addWidget(fraVnToolHelp, 1);

    fraInputCombinations = new QGroupBox(QStringLiteral("Valid Input Combinations:"));
    fraInputCombinations->setObjectName(QStringLiteral("fraInputCombinations"));
    auto *chartGrid = new QGridLayout(fraInputCombinations);
    chartGrid->setVerticalSpacing(0);
    chartGrid->setHorizontalSpacing(4);
    chartGrid->setContentsMargins(4, 4, 4, 4);
    auto *chart = new CombinationChart();
    Picture1 = chart;
    // The row labels sit beside the chart's rows, below its header line.
    chartGrid->setRowMinimumHeight(0, 16);
    const auto addLabel = [&](int row, QLabel *&label, const char *name, const QString &caption) {
        label = new QLabel(caption);
        label->setObjectName(QLatin1String(name));
        label->setFixedHeight(CombinationChart::rowHeight);
        chartGrid->addWidget(label, row + 1, 0);
    };
    addLabel(0, lblA, "lblA", QStringLiteral(" A"));
    addLabel(1, lblA_tot, "lblA_tot", QStringLiteral("Total A"));
    addLabel(2, lblB, "lblB", QStringLiteral(" B"));
    addLabel(3, lblB_tot, "lblB_tot", QStringLiteral("Total B"));
    addLabel(4, lblAB, "lblAB", QStringLiteral("[A/B]"));
    addLabel(5, lblKd, "lblKd", QStringLiteral("Kd"));
    chartGrid->addWidget(chart, 0, 1, 7, 1, Qt::AlignTop);
    outer->addWidget(fraInputCombinations);

    setWidget(content);
    Form_Load();
}

void frmVnTlAssistant::Form_Load()
{
    setTwipsGeometry(5070, 0, 3225, 5205);
}

namespace modVornish {

void UpdateInputGuidance()
{
    frmVornish *tool = equilibriumWindows().vornish;
    frmVnTlAssistant *assistant = equilibriumWindows().vornishAssistant;
    if (tool && assistant)
        assistant->lblInputSuggestion->setText(GuidanceText(tool->fields()));
}

} // namespace modVornish
