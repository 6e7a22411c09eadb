#include "FigureMessages.h"

Messages::Answer FigureMessages::ask(const Messages::Request &request)
{
    m_shown << (request.title.isNull() ? QStringLiteral("Vornish") : request.title) + QStringLiteral(": ")
                   + request.text;
    switch (request.buttons) {
    case Messages::Buttons::Ok:
    case Messages::Buttons::OkCancel:
        return Messages::Answer::Ok;
    case Messages::Buttons::YesNo:
    case Messages::Buttons::YesNoCancel:
        break;
    case Messages::Buttons::SaveDiscardCancel:
        return Messages::Answer::No; // the figures never save a project
    }
    return Messages::Answer::Yes;
}

QStringList FigureMessages::takeShown()
{
    QStringList shown;
    shown.swap(m_shown);
    return shown;
}
