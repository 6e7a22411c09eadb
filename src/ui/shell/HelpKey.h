#pragma once

#include <QObject>

#include <functional>

// F1 anywhere in the program: watches every key press of the application and
// hands the guide's topic of the window that has the keyboard to `show`.
class HelpKey : public QObject
{
    Q_OBJECT

public:
    HelpKey(std::function<void(const QString &topic)> show, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &topic)> m_show;
};
