#include "exchange/ExchangeMessages.h"

#include "platform/Messages.h"

#include <QDir>

namespace ExchangeMessages {

void showOpenFailure(const QString &path, const QString &reason)
{
    Messages::show(QStringLiteral("The file could not be read:") + Messages::lineBreak()
                       + QDir::toNativeSeparators(path) + Messages::paragraph() + reason,
                   Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Open Failed"));
}

void showMoreRowsThanGrid(const QString &path, int gridRows)
{
    Messages::show(QStringLiteral("The file was read:") + Messages::lineBreak() + QDir::toNativeSeparators(path)
                       + Messages::paragraph()
                       + QStringLiteral("It holds more than %1 rows of data, and the grid holds %1 rows. Nothing was "
                                        "entered into the grid.")
                             .arg(gridRows),
                   Messages::Buttons::Ok, Messages::Icon::Exclamation, QStringLiteral("Too Many Values"));
}

void showNothingToExport(const QString &what)
{
    Messages::show(what, Messages::Buttons::Ok, Messages::Icon::Exclamation);
}

} // namespace ExchangeMessages
