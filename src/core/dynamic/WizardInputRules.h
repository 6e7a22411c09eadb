#pragma once

#include "dynamic/SimulationInput.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The rules by which the Dynamic Equilibrium Wizard reads its boxes: plain
// text in, numbers and decisions out, so that they are tested without the
// window. Entries are taken as absolute values.
namespace modVornish {

// |value| of a box, or 0 when the text is empty or not a number.
double PositiveValue(const QString &text);

// A text the user may still be typing towards a number ("", ".", "-", "1e"):
// the key-up checks wait instead of interrupting the typing with a message.
bool IsIncompleteNumber(const QString &text);

// The recording interval offered for an end time: a fiftieth of it, cut
// down to its first significant decimal place (600 -> 12, 7 -> 0.1, 1 -> 0.02).
double SuggestRecordingInterval(double endTime);

// How the three rate constants are settled from their boxes.
struct RateConstants
{
    enum class Outcome {
        KdComputed,       // k_ass and k_diss given; Kd box empty: fill it with kd
        KdConsistent,     // all three given and Kd agrees within 0.1 %
        KdConflict,       // all three given and Kd disagrees: ask before replacing it
        KDissComputed,    // k_ass and Kd given: fill the k_diss box
        KAssComputed,     // k_diss and Kd given: fill the k_ass box
        MissingConstants, // fewer than two given
    };
    Outcome outcome = Outcome::MissingConstants;
    double kAss = 0;
    double kDiss = 0;
    double kd = 0; // the Kd the run uses when the question is answered with OK
};

// Throws RuntimeFault (division by zero) when a needed ratio has a zero
// divisor, as for a k_ass of 0 or a Kd box of 0 next to both rates.
RateConstants SettleRateConstants(const QString &kAssText, const QString &kDissText, const QString &kdText);

// The same for values already read (absent: not given); each is taken as
// its absolute value.
RateConstants SettleRateConstantValues(std::optional<double> kAss, std::optional<double> kDiss,
                                       std::optional<double> kd);

// One row of the programmed-events table as typed.
struct EventRowText
{
    QString time;
    QString change;
    int variableIndex = -1; // 0 "A", 1 "B", 2 "[A/B]", -1 none
};

struct EventsRead
{
    std::vector<ProgrammedEvent> events; // the events the run uses, in table order
    QStringList rewrittenTimes;          // the time cell text of each counted row
    int nonValidRows = 0;                // rows whose change was not a number
};

// Rows count from the top while their time is a number (at most four).
// Each counted row's time becomes |time| x timeFactor and its cell text
// the text of |time|. A row whose change is not a number is reported and
// cuts the events used back to the rows above it; a later valid row
// extends them again, and the reported row then changes nothing.
EventsRead ReadProgrammedEvents(const std::vector<EventRowText> &rows, double timeFactor, double concentrationFactor);

} // namespace modVornish
