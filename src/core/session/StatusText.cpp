#include "session/StatusText.h"

#include "session/Session.h"

namespace StatusText {

void set(const QString &text)
{
    Session &session = Session::current();
    session.setStatusPanels(text, session.statusPanel2());
}

void clear()
{
    set(QString());
}

QString current()
{
    return Session::current().statusPanel1();
}

void setPanel2(const QString &text)
{
    Session &session = Session::current();
    session.setStatusPanels(session.statusPanel1(), text);
}

QString panel2()
{
    return Session::current().statusPanel2();
}

} // namespace StatusText
