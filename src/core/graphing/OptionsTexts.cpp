#include "graphing/OptionsTexts.h"

#include "platform/Messages.h"

namespace OptionsTexts {

QString clearPrevGraph()
{
    return QStringLiteral("Clear previously plotted graphs before plotting new graph.");
}

QString linearScaleHeading()
{
    return QStringLiteral("Low (Min.)") + QString(31, QLatin1Char(' ')) + QStringLiteral("High (Max.)")
           + QString(25, QLatin1Char(' ')) + QStringLiteral("Tick distance");
}

QString logScaleHeading()
{
    return QStringLiteral("Log(Min.)") + QString(32, QLatin1Char(' ')) + QStringLiteral("Log(Max.)")
           + QString(27, QLatin1Char(' ')) + QStringLiteral("Log(Tick dist.)");
}

QString logLimitTip()
{
    return QStringLiteral("Enter only the exponent for the X-axis settings in case of a log scale, e.g. -7 instead "
                          "of 1E-07 or 0.0000001");
}

QString logTickTip()
{
    return QStringLiteral("Enter only the exponent of the Tick distance in case of a log scale, e.g. 1 for a tick at "
                          "every 10-fold increase on the X-axis");
}

QString superimposeQuestion()
{
    return QStringLiteral("Do you want to keep the current graph? ") + Messages::paragraph()
           + QStringLiteral("At all times the scale on the X and Y axis must be the same for all ")
           + QStringLiteral("superimposed graphs. The best way to accomplish this, is to set them ")
           + QStringLiteral("manually before any graphs are superimposed. To do this, click 'No', ")
           + QStringLiteral("go to the 'Graph axis properties' tab of the ")
           + QStringLiteral("Options window, and then start plotting the graphs that are to be superimposed. ")
           + Messages::paragraph()
           + QStringLiteral("Click Yes to include the current graph for the multiple graph option,")
           + Messages::lineBreak() + QStringLiteral("Click No to discard the current graph.");
}

QString changedSettingsQuestion()
{
    return QStringLiteral("The default settings in the Options window have been changed. ") + Messages::lineBreak()
           + QStringLiteral("Do you want to use these settings in the new graph rather than the Vornish default "
                            "settings? ")
           + Messages::paragraph()
           + QStringLiteral("Press Yes to use the changed settings, press No to restore and use the default "
                            "settings, and press Cancel to abort plotting the graph.");
}

} // namespace OptionsTexts
