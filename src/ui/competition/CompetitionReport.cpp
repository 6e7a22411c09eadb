#include "competition/CompetitionReport.h"

#include "competition/CompetitionFitPage.h"
#include "competition/frmCompetition.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/FitTexts.h"
#include "platform/EditableGrid.h"
#include "printing/FitReportList.h"
#include "printing/ReportWindow.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// A fit's lines as the report prints every fit, then its note.
ReportSection fitSection(const QString &title, const Fitting::FitResult &result, const QString &note)
{
    const ReportColumns list = ToolLists::FitResultList(result);
    const QStringList labels = list.labels.split(QStringLiteral("\r\n"));
    const QStringList values = list.values.split(QStringLiteral("\r\n"));
    ReportSection section{title, {}};
    for (int i = 0; i < labels.size(); ++i)
        section.rows.append({labels[i], values.value(i)});
    if (!note.isEmpty())
        section.rows.append({note});
    return section;
}

} // namespace

QList<ReportSection> CompetitionReportSections(const frmCompetition &tool)
{
    QList<ReportSection> sections;
    if (!tool.lblKiExact->text().isEmpty()) {
        ReportSection conversions{QStringLiteral("IC50 <-> Ki"), {{QStringLiteral("IC50:"), tool.txtIc50->text()}}};
        const std::pair<const char *, const QLabel *> methods[] = {{"Ki Cheng-Prusoff:", tool.lblKiChengPrusoff},
                                                                   {"Ki Munson-Rodbard:", tool.lblKiMunsonRodbard},
                                                                   {"Ki Nikolovska-Coleska:",
                                                                    tool.lblKiNikolovskaColeska},
                                                                   {"Ki exact:", tool.lblKiExact}};
        for (const auto &[caption, value] : methods)
            conversions.rows.append({QLatin1String(caption), value->text()});
        conversions.rows.append({tool.lblChengPrusoffError->text()});
        conversions.rows.append({tool.lblRegime->text()});
        if (tool.lblTitrationZone->isVisibleTo(tool.fraIc50))
            conversions.rows.append({tool.lblTitrationZone->text()});
        sections.append(conversions);
    }
    const CompetitionFitPage &fit = *tool.pageFit;
    if (const modCompetition::CompetitionFitReport *report = fit.shownFit()) {
        const QString outOfDate = fit.fraExact->isOutOfDate() ? QStringLiteral(" (out of date: fit again)") : QString();
        sections.append(fitSection(QStringLiteral("Fit: four-parameter logistic") + outOfDate, report->logistic,
                                   fit.fraLogistic->lblNote->text()));
        sections.append(fitSection(QStringLiteral("Fit: exact model (Total A, Total B and Kd fixed)") + outOfDate,
                                   report->exact, fit.fraExact->lblNote->text()));
        sections.append(ReportWindow::TableSection(QStringLiteral("Competition data"), *fit.flgCompetitionData->grid));
    }
    return sections;
}
