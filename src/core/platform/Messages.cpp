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

Answer show(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    Request request{text, buttons, icon, title.isNull() ? QStringLiteral("Vornish") : title};
    if (!installed())
        return firstButton(buttons);
    return installed()->ask(request);
}

} // namespace Messages
