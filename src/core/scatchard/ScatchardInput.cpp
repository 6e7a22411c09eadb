#include "scatchard/ScatchardInput.h"

#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

namespace modStatistics {

int CountDataRows(const QList<DataRowText> &rows)
{
    int n = 0;
    while (n < rows.size() && n < MaxDataRows && !rows[n].bound.isEmpty())
        ++n;
    return n;
}

namespace {

// The assistant's test: the whole text is a number that is not negative.
bool passesStrictTest(const QString &text)
{
    try {
        return NumberText::numericValue(text) >= 0.0;
    } catch (const RuntimeFault &) {
        return false;
    }
}

} // namespace

QString InputRequirementsText(const QList<DataRowText> &rows)
{
    int filled = 0;
    while (filled < rows.size() && filled < 3 && !rows[filled].bound.isEmpty())
        ++filled;

    enum { Ok, NotNumeric, MissingRatio } flag = Ok;
    for (int i = 0; i < filled; ++i) {
        if (!passesStrictTest(rows[i].bound))
            flag = NotNumeric;
        if (!rows[i].boundFree.isEmpty()) {
            if (!passesStrictTest(rows[i].boundFree))
                flag = NotNumeric;
        } else if (flag == Ok) {
            flag = MissingRatio;
        }
    }

    if (flag == NotNumeric)
        return QStringLiteral("Enter numeric values greater than zero.");
    if (flag == MissingRatio)
        return QStringLiteral("Enter the corresponding Bound/Free ratio for each Bound value.");
    switch (filled) {
    case 0:
        return QStringLiteral(
            "The Scatchard Analysis Tool needs at least three data points         (Bound, Bound/Free).");
    case 1:
        return QStringLiteral("Add at least two more data points (Bound, Bound/Free).");
    case 2:
        return QStringLiteral("Add at least one more data point (Bound, Bound/Free).");
    default:
        return QStringLiteral("Click the Analyze button to perform the Scatchard Analysis.");
    }
}

} // namespace modStatistics
