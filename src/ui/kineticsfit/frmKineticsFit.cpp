#include "kineticsfit/frmKineticsFit.h"

#include "dynamic/ResultsStore.h"
#include "exchange/FitResultsCsv.h"
#include "exchange/ToolData.h"
#include "fitting/FitDataTable.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/PlotPicture.h"
#include "fitting/ResidualGraph.h"
#include "graphing/CurveStyles.h"
#include "kineticsfit/KineticsFitReport.h"
#include "kineticsfit/KineticsFitTexts.h"
#include "kineticsfit/KineticsPlots.h"
#include "kineticsfit/TraceFromResults.h"
#include "kineticsfit/TraceReader.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "platform/SavedFile.h"
#include "project/ProjectWindow.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace KineticsFit;

namespace {

constexpr int CurvePoints = 200;
constexpr int MaxTableRows = 20000;

// Asks where to save the text and writes it whole, or says why not.
void saveCsv(const QString &title, const QString &subject, const std::string &csv)
{
    const QString path = FileDialogs::choose(FileDialogs::Mode::Save, title, {QStringLiteral("CSV file (*.csv)")},
                                             FileDialogs::suggestedName(subject, QStringLiteral("csv")));
    if (path.isEmpty())
        return;
    const QString failure = writeWholeFile(path, [&csv](QIODevice &device) {
        return device.write(csv.data(), qint64(csv.size())) == qint64(csv.size());
    });
    if (!failure.isEmpty())
        showSaveFailure(path, failure);
}

double secondsPer(const QString &unit)
{
    return unit == QLatin1String("min") ? 60.0 : unit == QLatin1String("h") ? 3600.0 : 1.0;
}

QString text(double v)
{
    return NumberText::generalText(v);
}

} // namespace

void frmKineticsFit::ShowWindow()
{
    if (!m_placed) {
        m_placed = true;
        // At the main window's default size, the whole window in sight.
        setTwipsGeometry(0, 0, 11000, 6000);
    }
    showInFront();
}

Units frmKineticsFit::units() const
{
    const Session &session = Session::current();
    return {session.concentrationUnit(), session.concentrationFactor(), cmbTimeUnit->currentText()};
}

void frmKineticsFit::setListRow(int row, const QString &concentration, const QString &dissociation, bool included)
{
    auto *include = new QTableWidgetItem(QString::number(row + 1));
    include->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    include->setCheckState(included ? Qt::Checked : Qt::Unchecked);
    // The trace's colour in the plots.
    include->setForeground(modPlot_Graph::CurveStyleAt(row, false).color);
    flgTraces->setItem(row, 0, include);
    flgTraces->setItem(row, 1, new QTableWidgetItem(concentration));
    flgTraces->setItem(row, 2, new QTableWidgetItem(dissociation));
    auto *points = new QTableWidgetItem();
    points->setFlags(Qt::ItemIsEnabled);
    flgTraces->setItem(row, 3, points);
}

void frmKineticsFit::TraceData_Edited()
{
    // A signal column with a value is a trace: the list has a row for each
    // up to the last one, its concentration and check kept.
    std::vector<int> points(size_t(MaxTraces), 0);
    int used = 0;
    for (const QStringList &row : flgTraceData->cells())
        for (int column = 1; column < row.size() && column <= MaxTraces; ++column)
            if (!row[column].trimmed().isEmpty()) {
                ++points[size_t(column - 1)];
                used = std::max(used, column);
            }
    const int listed = flgTraces->rowCount();
    flgTraces->setRowCount(used);
    for (int row = listed; row < used; ++row)
        setListRow(row, QString(), QString(), true);
    for (int row = 0; row < used; ++row)
        flgTraces->item(row, 3)->setText(QString::number(points[size_t(row)]));
    const Units u = units();
    flgTraces->setHorizontalHeaderLabels({QStringLiteral("Trace"), QStringLiteral("Conc. (%1)").arg(u.concentration),
                                          QStringLiteral("Dissoc. (%1)").arg(u.time), QStringLiteral("Points")});
    flgTraces->horizontalHeaderItem(1)->setToolTip(QStringLiteral("The ligand's concentration of the trace (the "
                                                                  "competitor's in competitive kinetics)"));
    flgTraces->horizontalHeaderItem(2)->setToolTip(
        QStringLiteral("The time the trace's dissociation phase starts; empty for association alone"));
    clearResult();
}

bool frmKineticsFit::SetTraces(const std::vector<Trace> &traces)
{
    if (int(traces.size()) > MaxTraces) {
        Messages::show(QStringLiteral("There are %1 traces; the Kinetics Fit takes %2 at most. Open them in parts, "
                                      "or fit them all with vornish-cli fit-kinetics.")
                           .arg(traces.size())
                           .arg(MaxTraces),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return false;
    }
    std::set<double> times;
    for (const Trace &trace : traces)
        times.insert(trace.time.begin(), trace.time.end());
    if (times.size() > size_t(MaxTableRows)) {
        Messages::show(QStringLiteral("The traces have %1 different times; the table of the Kinetics Fit takes %2 "
                                      "at most. Thin them out, or fit them with vornish-cli fit-kinetics.")
                           .arg(times.size())
                           .arg(MaxTableRows),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return false;
    }
    // One row a time that any trace has, each trace's signal in its column.
    std::map<double, QStringList> rows;
    for (size_t k = 0; k < traces.size(); ++k)
        for (size_t i = 0; i < traces[k].time.size() && i < traces[k].signal.size(); ++i) {
            QStringList &row = rows[traces[k].time[i]];
            if (row.isEmpty())
                row = QStringList(int(traces.size()) + 1, QString());
            row[0] = NumberText::exactText(traces[k].time[i]);
            row[int(k) + 1] = NumberText::exactText(traces[k].signal[i]);
        }
    QList<QStringList> cells;
    for (const auto &[time, row] : rows)
        cells << row;
    flgTraces->setRowCount(0);
    flgTraceData->enterCells(cells);
    for (int row = 0; row < int(traces.size()) && row < flgTraces->rowCount(); ++row) {
        const Trace &trace = traces[size_t(row)];
        flgTraces->item(row, 0)->setCheckState(trace.included ? Qt::Checked : Qt::Unchecked);
        flgTraces->item(row, 1)->setText(text(trace.concentration));
        flgTraces->item(row, 2)->setText(trace.dissociates ? text(trace.dissociationStart) : QString());
    }
    tabTraces->setCurrentIndex(0);
    clearResult();
    return true;
}

void frmKineticsFit::takeReading(const TraceReading &reading, const QString &source)
{
    if (reading.stop != TraceStop::EndOfData) {
        Messages::show(QStringLiteral("The traces in %1 cannot be read.").arg(source) + Messages::paragraph()
                           + TraceStopText(reading),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    SetTraces(reading.traces);
}

void frmKineticsFit::cmdOpenTraces_Click()
{
    const QString path = FileDialogs::choose(FileDialogs::Mode::Open, QStringLiteral("Open Traces"),
                                             {QStringLiteral("CSV file (*.csv)"),
                                              QStringLiteral("Text file (*.txt *.tsv)"),
                                              QStringLiteral("All files (*)")});
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Messages::show(QStringLiteral("%1 cannot be opened: %2").arg(Messages::quoted(path), file.errorString()),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    takeReading(KineticsFit::ReadTraces(file), Messages::quoted(path));
}

void frmKineticsFit::cmdPasteTraces_Click()
{
    const QString pasted = QGuiApplication::clipboard()->text();
    if (pasted.trimmed().isEmpty()) {
        Messages::show(QStringLiteral("The clipboard holds no text to paste: copy the cells of the traces first."),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    takeReading(ReadTracesFromText(pasted), QStringLiteral("the clipboard"));
}

void frmKineticsFit::cmdFromSimulation_Click()
{
    const Units u = units();
    try {
        const SimulatedTrace simulated = TraceFromResults(modVornish::ResultsFilePath(), u.molarPerUnit,
                                                          secondsPer(u.time));
        if (simulated.trace.time.size() < 2) {
            Messages::show(QStringLiteral("There is no simulation to take: run one in the Dynamic Equilibrium "
                                          "Wizard first."),
                           Messages::Buttons::Ok, Messages::Icon::Exclamation);
            return;
        }
        if (SetTraces({simulated.trace}))
            txtTotalB->setText(text(simulated.totalB));
    } catch (const RuntimeFault &fault) {
        Messages::show(QStringLiteral("The simulation cannot be read: ") + fault.description(), Messages::Buttons::Ok,
                       Messages::Icon::Exclamation);
    }
}

bool frmKineticsFit::ReadTraces(std::vector<Trace> &traces)
{
    const auto refuse = [this](const QString &why, QWidget *page) {
        tabTraces->setCurrentWidget(page);
        Messages::show(why, Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return false;
    };
    Fitting::ReplicateTable table;
    QString problem;
    if (!flgTraceData->table(table, problem))
        return refuse(QStringLiteral("The table of traces: ") + problem, flgTraceData);
    QWidget *listPage = tabTraces->widget(0);
    traces.clear();
    for (int row = 0; row < flgTraces->rowCount(); ++row) {
        Trace trace;
        const QString name = QStringLiteral("Trace %1").arg(row + 1);
        trace.included = flgTraces->item(row, 0)->checkState() == Qt::Checked;
        for (size_t i = 0; i < table.x.size(); ++i) {
            const double signal = size_t(row) < table.y[i].size() ? table.y[i][size_t(row)] : NAN;
            if (std::isnan(signal))
                continue;
            if (table.x[i] < 0.0)
                return refuse(QStringLiteral("%1: the time %2 is negative.").arg(name, text(table.x[i])), flgTraceData);
            if (!trace.time.empty() && table.x[i] <= trace.time.back())
                return refuse(QStringLiteral("%1: the time %2 does not come after %3: times must increase down the "
                                             "table.")
                                  .arg(name, text(table.x[i]), text(trace.time.back())),
                              flgTraceData);
            trace.time.push_back(table.x[i]);
            trace.signal.push_back(signal);
        }
        if (!trace.included || trace.time.empty()) {
            traces.push_back(trace);
            continue;
        }
        const QString concentration = flgTraces->item(row, 1)->text().trimmed();
        if (!NumberText::isNumeric(concentration))
            return refuse(concentration.isEmpty()
                              ? QStringLiteral("%1 has no concentration: type it in the list of traces.").arg(name)
                              : QStringLiteral("%1: the concentration %2 is not a number.")
                                    .arg(name, Messages::quoted(concentration)),
                          listPage);
        trace.concentration = NumberText::numericValue(concentration);
        const QString start = flgTraces->item(row, 2)->text().trimmed();
        trace.dissociates = !start.isEmpty();
        if (trace.dissociates) {
            if (!NumberText::isNumeric(start))
                return refuse(
                    QStringLiteral("%1: the dissociation start %2 is not a number.").arg(name, Messages::quoted(start)),
                    listPage);
            trace.dissociationStart = NumberText::numericValue(start);
        }
        traces.push_back(trace);
    }
    return true;
}

bool frmKineticsFit::readRequest(FitRequest &request, std::vector<int> &places)
{
    request.units = units();
    request.model.model = Model(cmbModel->currentData().toInt());
    request.model.scale = cmbScale->currentIndex() == 1 ? Sharing::Shared : Sharing::PerTrace;
    request.model.baseline = Baseline(cmbBaseline->currentIndex());
    request.model.fitTotalB = chkFitTotalB->isChecked();
    const std::pair<QLineEdit *, double *> fields[] = {{txtTotalB, &request.model.totalB},
                                                       {txtLigand, &request.model.ligand},
                                                       {txtLigandKAss, &request.model.ligandKAss},
                                                       {txtLigandKDiss, &request.model.ligandKDiss}};
    for (const auto &[field, value] : fields) {
        if (!field->isVisibleTo(this) || field->text().trimmed().isEmpty())
            continue;
        if (!NumberText::isNumeric(field->text())) {
            Messages::show(QStringLiteral("%1 is not a number.").arg(Messages::quoted(field->text())),
                           Messages::Buttons::Ok, Messages::Icon::Exclamation);
            field->setFocus();
            return false;
        }
        *value = NumberText::numericValue(field->text());
    }
    request.model.ligandKAss *= request.units.molarPerUnit; // typed per M
    std::vector<Trace> traces;
    if (!ReadTraces(traces))
        return false;
    request.traces = IncludedTraces(traces);
    places.clear();
    for (size_t i = 0; i < traces.size(); ++i)
        if (traces[i].included && !traces[i].time.empty())
            places.push_back(int(i));
    return true;
}

void frmKineticsFit::cmdFit_Click()
{
    FitRequest request;
    std::vector<int> places;
    try {
        if (!readRequest(request, places))
            return;
        KineticsFitResult fitted = FitKinetics(request);
        if (!fitted.fitted) {
            clearResult();
            Messages::show(fitted.refusal, Messages::Buttons::Ok, Messages::Icon::Exclamation);
            return;
        }
        m_result = std::move(fitted);
        m_fittedUnits = request.units;
        m_fittedPlaces = places;
        showResult();
    } catch (const RuntimeFault &fault) {
        clearResult();
        Messages::show(fault.description(), Messages::Buttons::Ok, Messages::Icon::Exclamation);
    }
}

void frmKineticsFit::cmbModel_Click()
{
    const Model model = Model(cmbModel->currentData().toInt());
    const bool exactOrCheck = model == Model::Exact || model == Model::PseudoFirstOrder
                              || model == Model::AssociationThenDissociation;
    lblTotalB->setVisible(exactOrCheck);
    txtTotalB->setVisible(exactOrCheck);
    chkFitTotalB->setVisible(model == Model::Exact);
    const bool competitive = model == Model::Competitive;
    for (QWidget *w : {static_cast<QWidget *>(lblLigand), static_cast<QWidget *>(txtLigand),
                       static_cast<QWidget *>(txtLigandKAss), static_cast<QWidget *>(txtLigandKDiss)})
        w->setVisible(competitive);
}

void frmKineticsFit::showResult()
{
    const Units &u = m_fittedUnits;
    fitResults->showResult(ReportedFit(m_result), m_result.warnings.join(QLatin1Char('\n')));
    // Warnings are read before the curves.
    if (!m_result.warnings.isEmpty())
        tabResults->setCurrentWidget(fitResults);
    picTraces->showPlot(TracesPlot(m_result, u, m_fittedPlaces));
    // The residuals in the colours of their traces, named by the legend of
    // the traces above them: a legend of their own would hide them.
    std::vector<std::vector<double>> times;
    QList<QColor> colors;
    for (const Trace &trace : m_result.model->traces()) {
        times.push_back(trace.time);
        const size_t set = size_t(colors.size());
        colors
            << modPlot_Graph::CurveStyleAt(set < m_fittedPlaces.size() ? m_fittedPlaces[set] : int(set), false).color;
    }
    picResiduals->showResiduals(times, m_result.fit.residuals, {}, colors, QStringLiteral("Time (%1)").arg(u.time));
    const modPlot_Graph::SeriesPlot kObs = KObsPlot(m_result, u);
    if (kObs.series.empty())
        picKObs->clearPlot();
    else
        picKObs->showPlot(kObs);
    const Model model = m_result.model->options().model;
    cmdSimulate->setEnabled(m_result.kAssDetermined && model != Model::Dissociation && model != Model::Competitive);
    cmdExportParameters->setEnabled(true);
    cmdExportCurves->setEnabled(true);
}

void frmKineticsFit::clearResult()
{
    m_result = KineticsFitResult();
    fitResults->showNote(QString());
    picTraces->clearPlot();
    picResiduals->clearPlot();
    picKObs->clearPlot();
    cmdSimulate->setEnabled(false);
    cmdExportParameters->setEnabled(false);
    cmdExportCurves->setEnabled(false);
}

void frmKineticsFit::cmdSimulate_Click()
{
    if (!m_result.fitted || !m_result.kAssDetermined)
        return;
    const Units &u = m_fittedUnits;
    // The fit's k_ass is per concentration unit per time unit; the wizard
    // takes it per M per s, and Kd in M.
    const double kAss = m_result.fit.value(0) / u.molarPerUnit / secondsPer(u.time);
    const double kd = m_result.fit.value(1) / m_result.fit.value(0) * u.molarPerUnit;
    emit simulateRequested(kAss, kd);
}

void frmKineticsFit::cmdExportParameters_Click()
{
    if (m_result.fitted)
        saveCsv(QStringLiteral("Export Parameters"), QStringLiteral("Kinetics Fit"),
                FitResultsCsv::ParameterRows(ReportedFit(m_result)));
}

void frmKineticsFit::cmdExportCurves_Click()
{
    if (m_result.fitted)
        saveCsv(QStringLiteral("Export Curves"), QStringLiteral("Kinetics Fit Curves"),
                CurvesCsv(m_result, m_fittedUnits, CurvePoints + 1));
}

void frmKineticsFit::joinProject()
{
    ProjectWindow::Extras extras;
    extras.tableNames = {{QStringLiteral("flgTraceData"), QStringLiteral("Traces")},
                         {QStringLiteral("flgTraces"), QStringLiteral("Trace list")}};
    // The controls are set first, the list's checks and the fit after them.
    extras.quietly = true;
    extras.give = [this](Project::PartState &state) {
        QJsonArray included;
        for (int row = 0; row < flgTraces->rowCount(); ++row)
            included.append(flgTraces->item(row, 0) && flgTraces->item(row, 0)->checkState() == Qt::Checked);
        state.values.insert(QStringLiteral("included"), included);
        state.values.insert(QStringLiteral("fitted"), m_result.fitted);
    };
    extras.afterTake = [this](const Project::PartState &state) {
        cmbModel_Click();
        const QJsonArray included = state.values.value(QStringLiteral("included")).toArray();
        const auto restored = [this](int row, int column) {
            const QTableWidgetItem *item = flgTraces->item(row, column);
            return item ? item->text() : QString();
        };
        for (int row = 0; row < flgTraces->rowCount(); ++row)
            setListRow(row, restored(row, 1), restored(row, 2), included.at(row).toBool(true));
        TraceData_Edited();
        if (state.values.value(QStringLiteral("fitted")).toBool())
            cmdFit_Click();
    };
    ProjectWindow::Join(this, QStringLiteral("kineticsfit"), extras);
}

void frmKineticsFit::joinReport()
{
    ToolData::RegisterWindow(this, ToolData::Source::KineticsFit);
    ToolData::SetDataCommands(
        this, ToolData::Source::KineticsFit,
        [this] {
            if (m_result.fitted)
                cmdExportCurves_Click();
            else
                Messages::show(QStringLiteral("There are no fitted curves to export: fit the traces first."),
                               Messages::Buttons::Ok, Messages::Icon::Exclamation);
        },
        [this] { cmdOpenTraces_Click(); });
    ToolLists::SetReportSource(modPlot_Graph::KineticsFitTool,
                               [this](const QString &) { return ReportList(m_result, m_fittedUnits); });
    ReportDetails::SetDetailsSource(modPlot_Graph::KineticsFitTool,
                                    [this] { return ReportTables(m_result, m_fittedUnits); });
}

void frmKineticsFit::cmdClose_Click()
{
    hide();
}
