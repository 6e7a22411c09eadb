#include "project/ProjectParts.h"

#include <vector>

namespace Project {
namespace {

struct Part
{
    const QObject *owner;
    QString name;
    Give give;
    Take take;
};

std::vector<Part> &parts()
{
    static std::vector<Part> joined;
    return joined;
}

} // namespace

void Join(const QObject *owner, const QString &name, Give give, Take take)
{
    parts().push_back({owner, name, std::move(give), std::move(take)});
    QObject::connect(owner, &QObject::destroyed, [owner] {
        auto &all = parts();
        for (auto it = all.begin(); it != all.end();)
            it = it->owner == owner ? all.erase(it) : it + 1;
    });
}

Content GiveAll()
{
    Content content;
    for (const Part &part : parts())
        content.insert(part.name, part.give());
    return content;
}

void TakeAll(const Content &content)
{
    Changes &changes = Changes::instance();
    changes.m_restoring = true;
    // A copy: a part may join or leave while it takes its state.
    const std::vector<Part> all = parts();
    try {
        for (const Part &part : all)
            part.take(content.value(part.name));
    } catch (...) {
        changes.m_restoring = false;
        throw;
    }
    changes.m_restoring = false;
}

Changes &Changes::instance()
{
    static Changes changes;
    return changes;
}

void Changes::markModified()
{
    if (!m_restoring)
        emit modified();
}

} // namespace Project
