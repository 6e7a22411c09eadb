#include "scatchard/ScatchardMessages.h"

#include "platform/Messages.h"

namespace modStatistics {
namespace {

QString helpHint()
{
    return QStringLiteral("Click on 'Help' in the menu bar for more information, or use the Scatchard Assistant.");
}

} // namespace

QString InvalidInputText()
{
    return QStringLiteral("Input is not valid. Enter numeric values greater than zero for at least three data points.")
           + Messages::paragraph() + helpHint();
}

QString InsufficientInputText()
{
    return QStringLiteral("You need at least three data points for statistical analysis of your data.")
           + Messages::paragraph() + helpHint();
}

QString PositiveSlopeText()
{
    return QStringLiteral("The slope of the linear regression of the data is positive ( > 0 ). This corresponds to a "
                          "negative dissociation constant ( Kd < 0 ). ")
           + Messages::paragraph()
           + QStringLiteral("Please check whether your data were entered properly. Alternatively, your data might be "
                            "statistically inconclusive.");
}

QString InconclusiveDataText()
{
    return QStringLiteral("The 95% confidence interval of the slope of linear regression contains positive and "
                          "negative boundaries. Consequently, the 95% confidence interval of the dissociation "
                          "constant (Kd) includes plus infinite. ")
           + Messages::paragraph()
           + QStringLiteral("If the data were entered properly, and you would like to obtain a statistically more "
                            "reliable estimate of the Kd, consider obtaining more data points, or obtaining other data "
                            "that is statistically more conclusive.");
}

} // namespace modStatistics
