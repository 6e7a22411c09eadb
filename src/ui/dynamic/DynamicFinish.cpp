#include "dynamic/DynamicFinish.h"

#include "dynamic/DynamicResults.h"
#include "dynamic/DynamicWindows.h"
#include "dynamic/ResultsPlot.h"
#include "dynamic/ResultsStore.h"
#include "dynamic/RunKinetics.h"
#include "dynamic/SimulationIntoFile.h"
#include "dynamic/UpdateAssistantGuidance.h"
#include "dynamic/WizardInputRules.h"
#include "dynamic/WizardLinks.h"
#include "dynamic/WizardMessages.h"
#include "dynamic/frmDynVornish.h"
#include "dynamic/frmDynamVnTlAssistant.h"
#include "platform/EditableGrid.h"
#include "platform/MainFrame.h"
#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"
#include "session/Session.h"
#include "session/StatusText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <new>

namespace {

const QString startingText = QStringLiteral("Starting simulation engine ...");

void inputError(const QString &text, const QString &title = QStringLiteral("Input Error"))
{
    Messages::show(text, Messages::Buttons::Ok, Messages::Icon::Exclamation, title);
}

QString scientific(double v)
{
    return NumberText::format(v, QStringLiteral("Scientific"));
}

double concentration(const QLineEdit *box)
{
    return fault::checkedFinite(modVornish::PositiveValue(box->text()) * Session::current().concentrationFactor());
}

// The time list's rows: abbreviation and seconds per unit.
struct TimeUnitRow
{
    const char *abbreviation;
    float factor;
};
constexpr TimeUnitRow timeUnits[] = {{"ms", 0.001f}, {"s", 1.0f}, {"min.", 60.0f}, {"hr.", 3600.0f}};

} // namespace

DynamicFinish::DynamicFinish(frmDynVornish &wizard)
    : m_wizard(wizard)
{
}

void DynamicFinish::run()
{
    Session &session = Session::current();
    if (session.running())
        return;
    session.setRunning(true);
    m_stoppedAt.reset();
    m_closeRequested = false;
    begin();
    try {
        if (Session::current().useExistingData()) {
            plotStoredResults();
        } else {
            m_wizard.stepToRestore = 0;
            if (readConcentrations() && settleRateConstants()) {
                WizardLinks::setProgress(0.25);
                m_wizard.stepToRestore = 1;
                if (readTimes()) {
                    WizardLinks::setProgress(0.5);
                    m_wizard.stepToRestore = 2;
                    readEvents();
                    simulate();
                }
            }
        }
    } catch (const RuntimeFault &failure) {
        Messages::show(failure.unexpectedErrorText(), Messages::Buttons::Ok, Messages::Icon::Critical);
    } catch (const std::bad_alloc &) {
        Messages::show(QStringLiteral("Unexpected error #7 occurred: Out of memory"), Messages::Buttons::Ok,
                       Messages::Icon::Critical);
    }
    restore();
    if (m_stoppedAt)
        StatusText::set(QStringLiteral("Simulation cancelled at ")
                        + NumberText::generalText(*m_stoppedAt / double(Session::current().timeFactor()))
                        + QLatin1Char(' ') + Session::current().timeUnit()
                        + QStringLiteral("; the results up to then are kept."));
    session.setRunning(false);
}

void DynamicFinish::begin()
{
    m_wizard.cmdBack->setEnabled(true);
    m_wizard.cmdGo->setEnabled(false);
    WizardLinks::showProgress(0, 1, 0.1);
    StatusText::set(startingText);
    StatusText::setPanel2(QStringLiteral("Please wait."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    WizardLinks::startWaiting(m_wizard.geometry());
    if (QWidget *main = MainFrame::window())
        main->installEventFilter(this);
    QCoreApplication::processEvents();
}

void DynamicFinish::plotStoredResults()
{
    StatusText::set(QStringLiteral("Loading simulation data ..."));
    m_wizard.stepToRestore = 1;
    modVornish::PlotStoredResults(&WizardLinks::setProgress);
}

bool DynamicFinish::readConcentrations()
{
    for (const QLineEdit *box : {m_wizard.txtA, m_wizard.txtB, m_wizard.txtAB}) {
        if (!NumberText::isNumeric(box->text())) {
            inputError(modVornish::InitialConcentrationsMissingText());
            return false;
        }
    }
    m_input.initialA = concentration(m_wizard.txtA);
    m_input.initialB = concentration(m_wizard.txtB);
    m_input.initialAB = concentration(m_wizard.txtAB);
    return true;
}

bool DynamicFinish::settleRateConstants()
{
    using Outcome = modVornish::RateConstants::Outcome;
    const modVornish::RateConstants constants = modVornish::SettleRateConstants(m_wizard.txtK_ass_rate->text(),
                                                                                m_wizard.txtK_diss_rate->text(),
                                                                                m_wizard.txtKd->text());
    switch (constants.outcome) {
    case Outcome::KdComputed:
        m_wizard.txtKd->setText(scientific(constants.kd));
        break;
    case Outcome::KdConsistent:
        break;
    case Outcome::KdConflict: {
        if (Messages::show(modVornish::RateConstantsConflictQuestion(), Messages::Buttons::OkCancel,
                           Messages::Icon::Exclamation, QStringLiteral("Input Error"))
            != Messages::Answer::Ok)
            return false;
        m_wizard.txtKd->setText(scientific(constants.kd));
        break;
    }
    case Outcome::KDissComputed:
        m_wizard.txtK_diss_rate->setText(scientific(constants.kDiss));
        break;
    case Outcome::KAssComputed:
        m_wizard.txtK_ass_rate->setText(scientific(constants.kAss));
        break;
    case Outcome::MissingConstants:
        inputError(modVornish::RateConstantsMissingText());
        return false;
    }
    m_input.kAss = constants.kAss;
    m_input.kDiss = constants.kDiss;
    return true;
}

bool DynamicFinish::readTimes()
{
    if (!NumberText::isNumeric(m_wizard.txtEndTime->text())) {
        inputError(modVornish::EndTimeMissingText());
        return false;
    }
    if (!NumberText::isNumeric(m_wizard.txtRecordingInterval->text())) {
        inputError(modVornish::RecordingIntervalMissingText());
        return false;
    }
    const int unit = m_wizard.cmbTimeUnit->currentIndex();
    if (unit >= 0 && unit < 4) {
        Session::current().setTimeUnit(QLatin1String(timeUnits[unit].abbreviation), timeUnits[unit].factor);
        WizardLinks::showTimeUnitInOptions(Session::current().timeUnit());
    }
    const double factor = Session::current().timeFactor();
    m_input.endTime = fault::checkedFinite(modVornish::PositiveValue(m_wizard.txtEndTime->text()) * factor);
    m_input.recordingInterval = fault::checkedFinite(modVornish::PositiveValue(m_wizard.txtRecordingInterval->text())
                                                     * factor);
    m_input.precisionFactor = modVornish::PrecisionFactor(m_wizard.cmbSimulationPrecision->currentIndex());
    // A run that could never end is refused before the results file is touched.
    const QString refusal = modVornish::SimulationInputRefusal(m_input);
    if (!refusal.isEmpty()) {
        inputError(refusal);
        return false;
    }
    return true;
}

void DynamicFinish::readEvents()
{
    // A value still in the cell editor counts as typed into its cell.
    m_wizard.flgDynamVn_Events->CommitEdit();
    std::vector<modVornish::EventRowText> rows;
    for (int row = 1; row <= 4; ++row)
        rows.push_back({m_wizard.EventCell(row, 1), m_wizard.EventCell(row, 2),
                        m_wizard.cmbSelectChangingVariable[row - 1]->currentIndex()});
    const modVornish::EventsRead read = modVornish::ReadProgrammedEvents(rows, Session::current().timeFactor(),
                                                                         Session::current().concentrationFactor());
    for (int i = 0; i < read.rewrittenTimes.size(); ++i)
        m_wizard.SetEventCell(i + 1, 1, read.rewrittenTimes[i]);
    for (int i = 0; i < read.nonValidRows; ++i)
        inputError(modVornish::NonValidEventsText(), QStringLiteral("Input error"));
    m_input.events = read.events;
    m_input.competitorChallenge = m_wizard.chkChallenge->isChecked();
}

void DynamicFinish::simulate()
{
    modKinetics::RunKinetics kinetics(m_input);
    WizardLinks::setProgress(0.75);
    modVornish::ReleaseResultsForRun();

    // The user interface is served every few milliseconds, not at every
    // interval, so that a run of many short intervals is not slowed down
    // by the yields while the waiting arrow keeps turning.
    QElapsedTimer sinceYield;
    modVornish::SimulationIntoFileSinks sinks;
    sinks.fileReady = [this, &sinceYield] {
        WizardLinks::setProgress(1.0);
        StatusText::set(QStringLiteral("Performing simulation ..."));
        WizardLinks::showProgress(0, float(m_input.endTime), 0);
        sinceYield.start();
    };
    double reached = -1; // no sample yet
    sinks.sample = [&](const modVornish::ResultRecord &r) {
        reached = r.time;
        kinetics.add(r);
    };
    sinks.progress.report = [](float t) { WizardLinks::setProgress(t); };
    sinks.progress.yieldToUserInterface = [&sinceYield] {
        if (sinceYield.elapsed() >= 15) {
            QCoreApplication::processEvents();
            sinceYield.restart();
        }
    };
    // The waiting window's close button and Escape stop the run, and so
    // does closing the program, which then need not wait for its end.
    sinks.progress.stopRequested = [this] { return m_closeRequested || WizardLinks::waitingCancelled(); };
    modVornish::SimulationIntoFileOutcome outcome;
    try {
        outcome = modVornish::RunSimulationIntoFile(m_input, modVornish::ResultsFilePath(), sinks);
    } catch (const RuntimeFault &failure) {
        // The graph and the summary must not go on showing the run before.
        kinetics.runFailed(failure.unexpectedErrorText(), reached);
        modVornish::ClearDynamicGraph();
        throw;
    }
    if (outcome.stopped)
        m_stoppedAt = outcome.reached;
    kinetics.runEnded(m_stoppedAt);
    if (m_closeRequested)
        return;

    WizardLinks::showProgress(0, 1, 0.1);
    // A stopped run is plotted over the time it reached.
    const bool plotted = modVornish::PlotSimulationResults(m_stoppedAt ? outcome.reached : m_input.endTime,
                                                           &WizardLinks::setProgress);
    // The demonstration ends with the graph of its run.
    frmDynamVnTlAssistant *assistant = dynamicWindows().dynamicAssistant;
    if (plotted && assistant && assistant->isVisible())
        assistant->EndDemo();
    // A cancelled run is not checked as if it had finished: its summary
    // says where it stopped.
    if (!m_stoppedAt)
        kinetics.tellUser();
}

void DynamicFinish::restore()
{
    m_wizard.showInFront();
    m_wizard.ShowStep(m_wizard.stepToRestore);
    m_wizard.cmdGo->setEnabled(true);
    if (WizardLinks::showTableChecked() && StatusText::current() != startingText)
        modVornish::ShowResultsBrowser();
    frmDynamVnTlAssistant *assistant = dynamicWindows().dynamicAssistant;
    if (assistant && assistant->isVisible())
        modVornish::UpdateAssistantGuidance();
    StatusText::clear();
    StatusText::setPanel2(QString());
    WizardLinks::hideProgress();
    QApplication::restoreOverrideCursor();
    WizardLinks::stopWaiting();
    Session::current().setUseExistingData(false);
    if (QWidget *main = MainFrame::window()) {
        main->removeEventFilter(this);
        if (m_closeRequested)
            QTimer::singleShot(0, main, &QWidget::close);
    }
}

bool DynamicFinish::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the program in the middle of a run would destroy the windows
    // the run still writes to: the run stops, and the close waits for it.
    if (event->type() == QEvent::Close && watched == MainFrame::window()) {
        event->ignore();
        m_closeRequested = true;
        return true;
    }
    return QObject::eventFilter(watched, event);
}
