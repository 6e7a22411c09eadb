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

void showNothingToExport(const QString &what)
{
    Messages::show(what, Messages::Buttons::Ok, Messages::Icon::Exclamation);
}

} // namespace ExchangeMessages
