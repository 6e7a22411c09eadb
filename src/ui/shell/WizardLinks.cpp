#include "dynamic/WizardLinks.h"

#include "graphing/frmOptions.h"
#include "shell/AppWindows.h"
#include "shell/frmVn_Main.h"
#include "shell/frmWaiting.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace WizardLinks {
namespace {

// The bar counts in steps; the caller's scale is mapped onto them.
constexpr int barSteps = 10000;
double g_minimum = 0;
double g_maximum = 1;
double g_value = 0;

QProgressBar *bar()
{
    return appWindows().main ? appWindows().main->prgMain : nullptr;
}

void showValue()
{
    QProgressBar *progress = bar();
    if (!progress)
        return;
    const double span = g_maximum - g_minimum;
    const double fraction = span > 0 ? (g_value - g_minimum) / span : 0;
    progress->setValue(int(std::lround(std::clamp(fraction, 0.0, 1.0) * barSteps)));
}

} // namespace

void showProgress(double minimum, double maximum, double value)
{
    g_minimum = minimum;
    g_maximum = maximum;
    g_value = value;
    if (QProgressBar *progress = bar()) {
        progress->setRange(0, barSteps);
        progress->show();
        appWindows().main->picContainer->show(); // the bar is seen only with its container
    }
    showValue();
}

void setProgress(double value)
{
    g_value = value;
    showValue();
}

void hideProgress()
{
    g_value = g_minimum;
    showValue();
    if (bar())
        appWindows().main->picContainer->hide();
}

void startWaiting(const QRect &keepClear)
{
    if (frmWaiting *waiting = appWindows().waiting)
        waiting->Start(keepClear);
}

void stopWaiting()
{
    if (frmWaiting *waiting = appWindows().waiting)
        waiting->Stop();
}

bool waitingCancelled()
{
    frmWaiting *waiting = appWindows().waiting;
    return waiting && waiting->cancelRequested();
}

void showOptions(int tabIndex)
{
    if (frmOptions *options = appWindows().options)
        options->ShowOnTab(tabIndex);
}

void showTimeUnitInOptions(const QString &abbreviation)
{
    frmOptions *options = appWindows().options;
    if (!options)
        return;
    QRadioButton *option = abbreviation == QLatin1String("ms")    ? options->optMillisec
                           : abbreviation == QLatin1String("s")   ? options->optSec
                           : abbreviation == QLatin1String("hr.") ? options->optHour
                                                                  : options->optMin;
    // Only the mark follows: the unit is already set, and the settings were
    // not changed in the Options window.
    const QSignalBlocker quiet(option);
    option->setChecked(true);
}

void showLinearTimeAxisInOptions()
{
    if (frmOptions *options = appWindows().options)
        options->ShowXScaleTitles(false);
}

bool showTableChecked()
{
    frmOptions *options = appWindows().options;
    return options && options->chkShowTable->isChecked();
}

} // namespace WizardLinks
