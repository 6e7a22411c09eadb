#pragma once

#include <QString>

// The messages of files going in and out, shown through the message service.
namespace ExchangeMessages {

void showOpenFailure(const QString &path, const QString &reason);
// A data file read whole that holds more rows than the grid: nothing entered.
void showMoreRowsThanGrid(const QString &path, int gridRows);
void showNothingToExport(const QString &what);

} // namespace ExchangeMessages
