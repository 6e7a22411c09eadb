#pragma once

#include <QString>

// The messages of files going in and out, shown through the message service.
namespace ExchangeMessages {

void showOpenFailure(const QString &path, const QString &reason);
void showNothingToExport(const QString &what);

} // namespace ExchangeMessages
