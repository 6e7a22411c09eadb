#include "kineticsfit/frmKineticsFit.h"

#include "dynamic/ResultsStore.h"
#include "exchange/FitResultsCsv.h"
#include "fitting/FitResultsPanel.h"
#include "fitting/PlotPicture.h"
#include "fitting/ResidualGraph.h"
#include "kineticsfit/KineticsFitTexts.h"
#include "kineticsfit/KineticsPlots.h"
#include "kineticsfit/TraceFromResults.h"
#include "kineticsfit/TraceReader.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "platform/SavedFile.h"
#include "scatchard/SaturationPlots.h"
#include "session/Session.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

using namespace KineticsFit;

namespace {

constexpr int CurvePoints = 200;

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
        setTwipsGeometry(300, 200, 15600, 10200);
    }
    showInFront();
}

Units frmKineticsFit::units() const
{
    const Session &session = Session::current();
    return {session.concentrationUnit(), session.concentrationFactor(), cmbTimeUnit->currentText()};
}

void frmKineticsFit::SetTraces(const std::vector<Trace> &traces)
{
    m_traces = traces;
    const Units u = units();
    flgTraces->clear();
    flgTraces->setRowCount(int(traces.size()));
    flgTraces->setHorizontalHeaderLabels({QStringLiteral("Concentration (%1)").arg(u.concentration),
                                          QStringLiteral("Dissociation (%1)").arg(u.time), QStringLiteral("Points")});
    for (int row = 0; row < int(traces.size()); ++row) {
        const Trace &trace = traces[size_t(row)];
        auto *include = new QTableWidgetItem(text(trace.concentration));
        include->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        include->setCheckState(trace.included ? Qt::Checked : Qt::Unchecked);
        include->setForeground(modStatistics::CurveColor(row));
        flgTraces->setItem(row, 0, include);
        flgTraces->setItem(row, 1, new QTableWidgetItem(trace.dissociates ? text(trace.dissociationStart) : QString()));
        auto *points = new QTableWidgetItem(QString::number(trace.time.size()));
        points->setFlags(Qt::ItemIsEnabled);
        flgTraces->setItem(row, 2, points);
    }
    flgTraces->resizeColumnsToContents();
    clearResult();
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
    takeReading(ReadTraces(file), Messages::quoted(path));
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
        SetTraces({simulated.trace});
        txtTotalB->setText(text(simulated.totalB));
    } catch (const RuntimeFault &fault) {
        Messages::show(QStringLiteral("The simulation cannot be read: ") + fault.description(), Messages::Buttons::Ok,
                       Messages::Icon::Exclamation);
    }
}

bool frmKineticsFit::readRequest(FitRequest &request)
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
    for (int row = 0; row < flgTraces->rowCount() && row < int(m_traces.size()); ++row) {
        Trace trace = m_traces[size_t(row)];
        trace.included = flgTraces->item(row, 0)->checkState() == Qt::Checked;
        const QString start = flgTraces->item(row, 1)->text().trimmed();
        trace.dissociates = !start.isEmpty();
        if (trace.dissociates) {
            if (!NumberText::isNumeric(start)) {
                Messages::show(
                    QStringLiteral("The dissociation start %1 is not a number.").arg(Messages::quoted(start)),
                    Messages::Buttons::Ok, Messages::Icon::Exclamation);
                return false;
            }
            trace.dissociationStart = NumberText::numericValue(start);
        }
        m_traces[size_t(row)] = trace;
    }
    request.traces = IncludedTraces(m_traces);
    return true;
}

void frmKineticsFit::cmdFit_Click()
{
    FitRequest request;
    try {
        if (!readRequest(request))
            return;
        KineticsFitResult fitted = FitKinetics(request);
        if (!fitted.fitted) {
            clearResult();
            Messages::show(fitted.refusal, Messages::Buttons::Ok, Messages::Icon::Exclamation);
            return;
        }
        m_result = std::move(fitted);
        m_fittedUnits = request.units;
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
    picTraces->showPlot(TracesPlot(m_result, u));
    std::vector<std::vector<double>> times;
    QStringList names;
    QList<QColor> colors;
    for (const Trace &trace : m_result.model->traces()) {
        times.push_back(trace.time);
        names << TraceName(trace, u);
        colors << modStatistics::CurveColor(int(colors.size()));
    }
    picResiduals->showResiduals(times, m_result.fit.residuals, names, colors, QStringLiteral("Time (%1)").arg(u.time));
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

void frmKineticsFit::cmdClose_Click()
{
    hide();
}
