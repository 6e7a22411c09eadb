#include "competition/CompetitionMessages.h"

#include "competition/Ic50Conversion.h"

namespace CompetitionMessages {

QString title()
{
    return QStringLiteral("Input is not valid");
}

QString notANumber(const QString &name)
{
    return QStringLiteral("Enter a number for %1.").arg(name);
}

QString notAboveZero(const QString &name)
{
    return QStringLiteral("%1 should be greater than zero.").arg(name);
}

QString negativeTotal(const QString &name)
{
    return QStringLiteral("%1 cannot be negative.").arg(name);
}

QString assayNeedsLabelAndSites()
{
    return QStringLiteral("An IC50 needs the labelled ligand and its sites: Total A and Total B should be greater "
                          "than zero.");
}

QString belowTightest(const QString &tightest)
{
    return QStringLiteral("No Ki gives an IC50 this low. With this Total A, Total B and Kd even an infinitely tight "
                          "competitor halves [A/B] only at %1: check the IC50 and the assay's concentrations.")
        .arg(tightest);
}

QString titrationZone()
{
    return QStringLiteral("This IC50 is within %1 % of what an infinitely tight competitor gives (the titration "
                          "zone): it follows Total B and says almost nothing about Ki. Lower Total B to measure Ki.")
        .arg(modCompetition::TitrationZoneMargin * 100);
}

} // namespace CompetitionMessages
