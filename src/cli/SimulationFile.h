#pragma once

#include <QString>
#include <QStringList>

#include <map>

// A small JSON or INI file with what the Dynamic Equilibrium Wizard gathers,
// under the names of simulate's options:
//   {"a": "10nM", "b": 5, "ab": 0, "k-ass": 1e6, "kd": "3nM", "end-time": "10min",
//    "interval": "10s", "precision": 1, "competitor": false,
//    "events": ["2min,+5nM,A", {"time": "5min", "change": "-2nM", "target": "B"}]}
// or, as INI, one "name = value" a line with "event = ..." once per event.
namespace cli {

// Each name with its values, as texts; names as the options spell them.
// Throws Refusal for a file that cannot be read, is not JSON or INI, or
// holds a name simulate does not know.
std::map<QString, QStringList> ReadSimulationFile(const QString &path, const QStringList &knownNames);

} // namespace cli
