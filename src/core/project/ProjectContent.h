#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// What a project holds, as plain data: the state of each part of the
// program (a tool window, the graph, the preferences) under the part's name.
namespace Project {

// A table of data as the user typed it: cells are texts, as shown.
struct DataTable
{
    QString name; // unique in a project: the command line asks for it by name
    QStringList columns;
    QList<QStringList> rows;

    bool operator==(const DataTable &other) const
    {
        return name == other.name && columns == other.columns && rows == other.rows;
    }
};

struct PartState
{
    QJsonObject values;      // fields, choices, outputs
    QList<DataTable> tables; // data tables the part shows
    QByteArray binary;       // bulky state (a graph's display list)

    bool operator==(const PartState &other) const
    {
        return values == other.values && tables == other.tables && binary == other.binary;
    }
};

using Content = QMap<QString, PartState>;

} // namespace Project
