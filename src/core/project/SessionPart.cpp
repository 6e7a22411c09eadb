#include "project/SessionPart.h"

#include "project/ProjectParts.h"
#include "session/Session.h"

namespace Project {

void JoinSession(const QObject *owner)
{
    const auto changed = [] { markModified(); };
    Session &session = Session::current();
    QObject::connect(&session, &Session::concentrationUnitChanged, owner, changed);
    QObject::connect(&session, &Session::timeUnitChanged, owner, changed);
    QObject::connect(&session, &Session::graphPreferencesChanged, owner, changed);
    // A finished run changed the results the project holds.
    QObject::connect(&session, &Session::runningChanged, owner, [](bool running) {
        if (!running)
            markModified();
    });
    Join(
        owner, QStringLiteral("session"),
        [] {
            const Session &s = Session::current();
            PartState state;
            state.values = {{QStringLiteral("concentrationUnit"), s.concentrationUnit()},
                            {QStringLiteral("concentrationFactor"), s.concentrationFactor()},
                            {QStringLiteral("timeUnit"), s.timeUnit()},
                            {QStringLiteral("timeFactor"), double(s.timeFactor())},
                            {QStringLiteral("graphSource"), int(s.graphSource())}};
            return state;
        },
        [](const PartState &state) {
            Session &s = Session::current();
            const QJsonObject &v = state.values;
            const double concentrationFactor = v.value(QStringLiteral("concentrationFactor")).toDouble();
            const double timeFactor = v.value(QStringLiteral("timeFactor")).toDouble();
            if (concentrationFactor > 0)
                s.setConcentrationUnit(v.value(QStringLiteral("concentrationUnit")).toString(), concentrationFactor);
            if (timeFactor > 0)
                s.setTimeUnit(v.value(QStringLiteral("timeUnit")).toString(), float(timeFactor));
            const int source = v.value(QStringLiteral("graphSource")).toInt();
            s.setGraphSource(source >= modPlot_Graph::NoTool && source <= modPlot_Graph::DynamicTool
                                 ? modPlot_Graph::ToolCode(source)
                                 : modPlot_Graph::NoTool);
        });
}

} // namespace Project
