#pragma once

#include "competition/CompetitionEquilibrium.h"

#include <QString>

// The Competition Tool's fields as typed, read into molar values with the
// tool's checks; the first problem found is a message in the window's words.
namespace modCompetition {

struct CompetitionFieldTexts
{
    QString totalA, totalB, kd, totalC, ki; // in the shown unit; an empty Total C is 0
};

struct FieldsRead
{
    CompetitionInput input;
    QString problem; // empty when every field is accepted
    int field = -1;  // the field of the problem, in the order of CompetitionFieldTexts
};

// Every field a number, the totals not negative, Total A, Total B, Kd and
// Ki above 0 (an IC50 needs the label and its sites). Never throws: a
// number beyond the range of doubles is a problem too.
FieldsRead ReadCompetitionFields(const CompetitionFieldTexts &texts, double factor);

// One concentration that must be above 0 (an IC50), named as labelled.
// Returns the problem, empty when accepted.
QString ReadPositiveField(const QString &text, const QString &name, double factor, double &molar);

} // namespace modCompetition
