#include "platform/Messages.h"

namespace Messages {
namespace {

std::unique_ptr<Service> &installed()
{
    static std::unique_ptr<Service> service;
    return service;
}

Answer firstButton(Buttons buttons)
{
    return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
}

} // namespace

void install(std::unique_ptr<Service> service)
{
    installed() = std::move(service);
}

QString quoted(const QString &text)
{
    const int limit = 40;
    QString shown = text.size() > limit ? text.left(limit) + QStringLiteral("...") : text;
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter || c.isSurrogate())
            c = QLatin1Char('?');
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}

Answer show(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    Request request{text, buttons, icon, title.isNull() ? QStringLiteral("Vornish") : title};
    if (!installed())
        return firstButton(buttons);
    return installed()->ask(request);
}

} // namespace Messages
