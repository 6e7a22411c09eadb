#pragma once

#include <QString>

// The Competition Tool's messages, shared by its window and the command
// line; the guide's messages page lists them.
namespace CompetitionMessages {

QString title(); // "Input is not valid"

// A field that is not a number; name as the field is labelled.
QString notANumber(const QString &name);
// Kd, Ki or an IC50 that is 0 or negative.
QString notAboveZero(const QString &name);
// A total below 0.
QString negativeTotal(const QString &name);
// Total A or Total B of 0 where an IC50 needs them.
QString assayNeedsLabelAndSites();

// An IC50 no competitor can give; tightest is the limit as shown, with its unit.
QString belowTightest(const QString &tightest);
// The IC50 lies in the titration zone.
QString titrationZone();

} // namespace CompetitionMessages
