#include "fitting/ReplicateTable.h"

#include "platform/Messages.h"
#include "platform/NumberText.h"
#include "platform/RuntimeFault.h"

#include <cmath>
#include <limits>

namespace Fitting {
namespace {

bool isBlank(double value)
{
    return std::isnan(value);
}

// A cell's number: NaN for an empty cell. The reason when the text is no
// finite number.
QString cellValue(const QString &text, double &value)
{
    const QString trimmed = text.trimmed();
    value = std::numeric_limits<double>::quiet_NaN();
    if (trimmed.isEmpty())
        return QString();
    try {
        value = NumberText::dataFieldValue(trimmed);
    } catch (const RuntimeFault &f) {
        return f.number() == RuntimeFault::Overflow ? QStringLiteral("is out of range")
                                                    : QStringLiteral("is not a number");
    }
    return std::isfinite(value) ? QString() : QStringLiteral("is out of range");
}

} // namespace

bool TableFromCells(const QList<QStringList> &cells, ReplicateTable &table, QString &problem)
{
    table = ReplicateTable();
    for (int row = 0; row < cells.size(); ++row) {
        const QStringList &texts = cells[row];
        std::vector<double> values;
        for (int column = 0; column < texts.size(); ++column) {
            double value = 0;
            const QString why = cellValue(texts[column], value);
            if (!why.isEmpty()) {
                problem = QStringLiteral("Row %1: %2 %3.").arg(row + 1).arg(Messages::quoted(texts[column]), why);
                return false;
            }
            values.push_back(value);
        }
        int replicates = 0;
        for (size_t column = 1; column < values.size(); ++column)
            replicates += isBlank(values[column]) ? 0 : 1;
        const bool hasX = !values.empty() && !isBlank(values[0]);
        if (!hasX && replicates == 0)
            continue;
        if (!hasX) {
            problem = QStringLiteral("Row %1 has values but no X.").arg(row + 1);
            return false;
        }
        if (replicates == 0) {
            problem = QStringLiteral("Row %1 has an X but no value beside it.").arg(row + 1);
            return false;
        }
        table.x.push_back(values[0]);
        table.y.emplace_back(values.begin() + 1, values.end());
    }
    return true;
}

FitDataSet IndividualPoints(const ReplicateTable &table)
{
    FitDataSet set;
    for (size_t row = 0; row < table.x.size(); ++row) {
        for (double y : table.y[row]) {
            if (isBlank(y))
                continue;
            set.x.push_back(table.x[row]);
            set.y.push_back(y);
        }
    }
    return set;
}

std::vector<RowMean> RowMeans(const ReplicateTable &table)
{
    std::vector<RowMean> means;
    for (size_t row = 0; row < table.x.size(); ++row) {
        RowMean mean;
        mean.x = table.x[row];
        double sum = 0;
        for (double y : table.y[row]) {
            if (!isBlank(y)) {
                sum += y;
                ++mean.count;
            }
        }
        if (mean.count == 0)
            continue;
        mean.mean = sum / mean.count;
        double squares = 0;
        for (double y : table.y[row])
            if (!isBlank(y))
                squares += (y - mean.mean) * (y - mean.mean);
        mean.sd = mean.count > 1 ? std::sqrt(squares / (mean.count - 1)) : 0.0;
        means.push_back(mean);
    }
    return means;
}

FitDataSet MeanPoints(const ReplicateTable &table)
{
    FitDataSet set;
    for (const RowMean &mean : RowMeans(table)) {
        set.x.push_back(mean.x);
        set.y.push_back(mean.mean);
    }
    return set;
}

} // namespace Fitting
