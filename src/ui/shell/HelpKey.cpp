#include "shell/HelpKey.h"

#include "shell/HelpTopics.h"

#include <QKeyEvent>
#include <QWidget>

HelpKey::HelpKey(std::function<void(const QString &topic)> show, QObject *parent)
    : QObject(parent)
    , m_show(std::move(show))
{
}

bool HelpKey::eventFilter(QObject *watched, QEvent *event)
{
    // Key presses reach the platform window first and then the widget with
    // the keyboard: only the widget tells which window it belongs to.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    m_show(HelpTopics::topicAround(static_cast<QWidget *>(watched)));
    return true;
}
