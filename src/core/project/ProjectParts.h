#pragma once

#include "project/ProjectContent.h"

#include <QObject>

#include <functional>

// The parts of the program that a project saves and restores. A window (or
// any part) joins once, when it is made, with a name and two functions: one
// gives its state, the other takes a state (an empty one on New Project).
// It says when the user changed something with markModified().
namespace Project {

using Give = std::function<PartState()>;
using Take = std::function<void(const PartState &state)>;

// The part lasts as long as owner. Parts are restored in the order they joined.
void Join(const QObject *owner, const QString &name, Give give, Take take);

// Every part's state now.
Content GiveAll();
// Gives each part its state in content; a part absent from content takes an
// empty state. Changes made while taking do not count as the user's.
void TakeAll(const Content &content);

// What tells the project that the user changed something.
class Changes : public QObject
{
    Q_OBJECT

public:
    static Changes &instance();
    // A change of the user's (ignored while parts take their state).
    void markModified();
    bool restoring() const { return m_restoring; }

signals:
    void modified();

private:
    friend void TakeAll(const Content &content);
    bool m_restoring = false;
};

inline void markModified()
{
    Changes::instance().markModified();
}

} // namespace Project
