#pragma once

#include <QString>

#include <memory>

// The message service: every message box and question of the program goes
// through Messages::show. The program installs the Qt implementation; tests
// install a scripted one that records the requests and answers from a queue.
namespace Messages {

enum class Icon { None, Exclamation, Critical, Information, Question };
// SaveDiscardCancel answers Yes for Save and No for Discard.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel };
enum class Answer { Ok, Cancel, Yes, No };

// Every member after the text has its default, so that a request names
// only what it needs: {text}, {text, buttons}, ...
struct Request
{
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title = {};
};

class Service
{
public:
    virtual ~Service() = default;
    virtual Answer ask(const Request &request) = 0;
};

// Replaces the installed service (the previous one is destroyed).
void install(std::unique_ptr<Service> service);

// Shows a message and returns the pressed button. A null title (the default)
// means the program's title, "Vornish"; blankTitle() leaves the title bar
// empty. Without an installed service the first button is answered.
Answer show(const QString &text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
            const QString &title = QString());

inline QString blankTitle()
{
    return QStringLiteral("");
} // empty, not null

// The paragraph break of message texts: CR LF CR LF.
inline QString paragraph()
{
    return QStringLiteral("\r\n\r\n");
}
inline QString lineBreak()
{
    return QStringLiteral("\r\n");
}

// What the user typed or a file held, as a message quotes it: in single
// quotes, cut to a readable length, control characters and undecodable
// bytes shown as "?".
QString quoted(const QString &text);

} // namespace Messages
