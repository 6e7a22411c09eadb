#include "exchange/DataExport.h"

#include "competition/CompetitionRecord.h"
#include "dynamic/LastRunKinetics.h"
#include "dynamic/ResultsReading.h"
#include "dynamic/ResultsStore.h"
#include "equilibrium/EquilibriumRecord.h"
#include "exchange/ColumnsReader.h"
#include "exchange/CompetitionCsv.h"
#include "exchange/EquilibriumCsv.h"
#include "exchange/ExchangeMessages.h"
#include "exchange/ExportProgress.h"
#include "exchange/PairsReader.h"
#include "exchange/ResultsCsv.h"
#include "exchange/RunDescription.h"
#include "exchange/ScatchardCsv.h"
#include "exchange/ToolData.h"
#include "platform/FileDialogs.h"
#include "platform/MainFrame.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "platform/SavedFile.h"
#include "scatchard/ScatchardInput.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QMdiSubWindow>

#include <cmath>

namespace DataExport {
namespace {

const QString kCsv = QStringLiteral("CSV file (*.csv)");
const QString kText = QStringLiteral("Text file (*.txt *.tsv)");
const QString kAll = QStringLiteral("All files (*)");

QString askCsvPath(const QString &subject)
{
    return FileDialogs::choose(FileDialogs::Mode::Save, QStringLiteral("Export Data as CSV"), {kCsv},
                               FileDialogs::suggestedName(subject, QStringLiteral("csv")));
}

void writeText(const QString &path, const std::string &text)
{
    const QString failure = writeWholeFile(path, [&text](QIODevice &device) {
        return device.write(text.data(), qint64(text.size())) == qint64(text.size());
    });
    if (!failure.isEmpty())
        showSaveFailure(path, failure);
}

bool hasResults(const QString &resultsPath)
{
    try {
        return QFileInfo::exists(resultsPath)
               && !modVornish::IsResultsTableEmpty(resultsPath, modVornish::ResultsQuery(modVornish::ResultsTable::A));
    } catch (const RuntimeFault &) {
        return false;
    }
}

// The units the wizard and the graph show.
ResultsCsv::Units sessionUnits()
{
    const Session &session = Session::current();
    return {session.timeUnit(), double(session.timeFactor()), session.concentrationUnit(),
            session.concentrationFactor()};
}

void exportResults(const QString &subject, const std::vector<ResultsCsv::Column> &columns)
{
    const QString resultsPath = modVornish::ResultsFilePath();
    if (!hasResults(resultsPath)) {
        ExchangeMessages::showNothingToExport(
            QStringLiteral("There are no simulation results to export yet. Run a simulation first."));
        return;
    }
    const QString path = askCsvPath(subject);
    if (path.isEmpty())
        return;
    StatusText::set(QStringLiteral("Exporting data..."));
    ExportProgress progress(QStringLiteral("Exporting the simulation results..."));
    const std::optional<modKinetics::KineticsReport> &run = modKinetics::LastRunKinetics;
    const std::string preamble = ResultsCsv::RunDescription(run ? &run->input : nullptr, sessionUnits());
    const ResultsCsv::Result result = ResultsCsv::Write(resultsPath, path, preamble, columns,
                                                        [&progress](qint64 done, qint64 total) {
                                                            return progress.report(done, total);
                                                        });
    StatusText::clear();
    if (result.outcome == ResultsCsv::Outcome::Failed)
        showSaveFailure(path, result.reason);
}

using ToolData::Source;

Source sourceOfGraph()
{
    switch (Session::current().graphSource()) {
    case modPlot_Graph::EquilibriumTool:
        return Source::Equilibrium;
    case modPlot_Graph::ScatchardTool:
        return Source::Scatchard;
    case modPlot_Graph::DynamicTool:
        return Source::Dynamic;
    case modPlot_Graph::SaturationTool:
        return Source::Saturation;
    case modPlot_Graph::CompetitionTool:
        return Source::Competition;
    case modPlot_Graph::KineticsFitTool:
        return Source::KineticsFit;
    case modPlot_Graph::PlannerTool:
        return Source::Planner;
    case modPlot_Graph::NoTool:
        break;
    }
    return Source::None;
}

// What the user worked in last, among the windows with data.
Source activeSource()
{
    const QList<QMdiSubWindow *> history = MainFrame::activationHistory();
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        const QMdiSubWindow *child = *it;
        if (!child->isVisible())
            continue;
        const Source source = ToolData::WindowOf(child).source;
        if (source == Source::Graph)
            return sourceOfGraph();
        if (source != Source::None)
            return source;
    }
    return Source::None;
}

} // namespace

void ExportDynamicResults()
{
    exportResults(QStringLiteral("Dynamic Equilibrium results"), ResultsCsv::RunColumns(sessionUnits()));
}

void ExportBrowserTable()
{
    const modVornish::ResultsTable table = ToolData::ShownResultsTable();
    const QString name = table == modVornish::ResultsTable::A   ? QStringLiteral("A")
                         : table == modVornish::ResultsTable::B ? QStringLiteral("B")
                                                                : QStringLiteral("AB");
    exportResults(QStringLiteral("Results table %1").arg(name), ResultsCsv::TableColumns(table, sessionUnits()));
}

void ExportScatchardData()
{
    const QList<modStatistics::DataRowText> rows = ToolData::ScatchardDataRows();
    const int n = modStatistics::CountDataRows(rows);
    std::vector<double> bound, ratio;
    try {
        for (int i = 0; i < n; ++i) {
            bound.push_back(NumberText::leadingNumber(rows[i].bound));
            ratio.push_back(NumberText::leadingNumber(rows[i].boundFree));
        }
    } catch (const RuntimeFault &) {
        ExchangeMessages::showNothingToExport(QStringLiteral("A value of the Scatchard data is out of range."));
        return;
    }
    if (n == 0) {
        ExchangeMessages::showNothingToExport(QStringLiteral("There are no Scatchard data to export yet."));
        return;
    }
    const QString path = askCsvPath(QStringLiteral("Scatchard Analysis"));
    if (!path.isEmpty())
        writeText(path, ScatchardCsv::Text(bound, ratio, Session::current().concentrationUnit()));
}

void ExportEquilibrium()
{
    const modVornish::EquilibriumRecord &record = modVornish::LastEquilibrium();
    if (!record.hasValues) {
        ExchangeMessages::showNothingToExport(
            QStringLiteral("There are no Equilibrium Tool results to export yet. Calculate them first."));
        return;
    }
    const QString path = askCsvPath(QStringLiteral("Equilibrium"));
    if (!path.isEmpty())
        writeText(path, EquilibriumCsv::Text(record, Session::current().concentrationUnit(),
                                             Session::current().concentrationFactor()));
}

void ExportCompetition()
{
    const modCompetition::CompetitionRecord &record = modCompetition::LastCompetition();
    if (!record.hasValues) {
        ExchangeMessages::showNothingToExport(
            QStringLiteral("There are no Competition Tool results to export yet. Calculate them first."));
        return;
    }
    const QString path = askCsvPath(QStringLiteral("Competition"));
    if (!path.isEmpty())
        writeText(path, CompetitionCsv::Text(record, Session::current().concentrationUnit(),
                                             Session::current().concentrationFactor()));
}

void ExportActiveWindowData()
{
    const Source source = activeSource();
    switch (source) {
    case Source::Equilibrium:
        return ExportEquilibrium();
    case Source::Scatchard:
        return ExportScatchardData();
    case Source::Dynamic:
        return ExportDynamicResults();
    case Source::Competition:
        return ExportCompetition();
    case Source::ResultsTable:
        return ExportBrowserTable();
    case Source::Saturation:
    case Source::KineticsFit:
    case Source::Planner:
        ToolData::ExportDataOf(source);
        return;
    case Source::Graph:
    case Source::None:
        break;
    }
    ExchangeMessages::showNothingToExport(
        QStringLiteral("Click in the window of a tool (or in the graph or the results table) whose data you want to "
                       "export, then choose Export Data as CSV again."));
}

void OpenScatchardData()
{
    const QString path = FileDialogs::choose(FileDialogs::Mode::Open, QStringLiteral("Open Data"), {kCsv, kText, kAll});
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ExchangeMessages::showOpenFailure(path, file.errorString());
        return;
    }
    const PairsReader::Result read = PairsReader::Read(file, std::size_t(modStatistics::MaxDataRows));
    if (read.stop == PairsReader::Stop::TooManyRows) {
        ExchangeMessages::showMoreRowsThanGrid(path, modStatistics::MaxDataRows);
        return;
    }
    if (read.stop != PairsReader::Stop::EndOfData) {
        ExchangeMessages::showOpenFailure(
            path, QStringLiteral("Line %1: %2.").arg(read.line).arg(PairsReader::StopText(read)));
        return;
    }
    if (read.pairs.empty()) {
        ExchangeMessages::showOpenFailure(path, QStringLiteral("The file holds no rows of data."));
        return;
    }
    QList<QStringList> cells;
    for (const PairsReader::Pair &pair : read.pairs)
        cells << QStringList{NumberText::exactText(pair.bound), NumberText::exactText(pair.ratio)};
    ToolData::EnterScatchardData(cells);
}

void OpenActiveWindowData()
{
    const Source source = activeSource();
    if ((source == Source::Saturation || source == Source::Competition || source == Source::KineticsFit)
        && ToolData::OpenDataOf(source))
        return;
    OpenScatchardData();
}

bool OpenDataColumns(int maxValues, QList<QStringList> &cells)
{
    const QString path = FileDialogs::choose(FileDialogs::Mode::Open, QStringLiteral("Open Data"), {kCsv, kText, kAll});
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ExchangeMessages::showOpenFailure(path, file.errorString());
        return false;
    }
    const ColumnsReader::Result read = ColumnsReader::Read(file, maxValues);
    if (read.stop != ColumnsReader::Stop::EndOfData) {
        ExchangeMessages::showOpenFailure(
            path, QStringLiteral("Line %1: %2.").arg(read.line).arg(ColumnsReader::StopText(read, maxValues)));
        return false;
    }
    if (read.rows.empty()) {
        ExchangeMessages::showOpenFailure(path, QStringLiteral("The file holds no rows of data."));
        return false;
    }
    cells.clear();
    for (const ColumnsReader::Row &row : read.rows) {
        QStringList texts;
        for (const double v : row.values)
            texts << (std::isnan(v) ? QString() : NumberText::exactText(v));
        cells << texts;
    }
    return true;
}

void ExportCsvText(const QString &subject, const std::string &text)
{
    const QString path = askCsvPath(subject);
    if (!path.isEmpty())
        writeText(path, text);
}

} // namespace DataExport
