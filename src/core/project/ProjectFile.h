#pragma once

#include "project/ProjectContent.h"

#include <QString>

// The project file (".vornish"): one SQLite database with
//   "project" (key, value): "format" (the format version), "program" and "saved";
//   "parts" (name, ord, values, binary): each part's state, values as JSON;
//   "data_tables" (part, ord, name, columns, rows): the parts' data tables, JSON;
//   "A", "B", "AB": the simulation results, copied whole from the results
//   file, so that a project does not depend on it.
// A file is written whole under a temporary name beside the destination,
// synced, then renamed over it: a kill or a full disk leaves the earlier
// file as it was.
namespace Project {

// The format this version writes. It reads every format up to this one.
inline constexpr int FormatVersion = 1;
inline const QString FileSuffix = QStringLiteral("vornish");

// Writes content, and the results tables of resultsPath when that file
// holds them, to path. Empty on success, otherwise the reason (the
// destination is then untouched).
QString Write(const QString &path, const Content &content, const QString &resultsPath);

enum class Problem { None, Missing, NotProject, Newer, Damaged };

struct Opened
{
    Problem problem = Problem::None;
    QString detail; // the system's or SQLite's reason; Newer: the file's format
    Content content;
    bool hasResults = false;
    QString saved; // when it was saved, ISO 8601
};

// Reads a project whole; nothing is changed anywhere.
Opened Read(const QString &path);

// Replaces the results file at resultsPath by the results tables of the
// project at projectPath, written whole under a temporary name first.
// Empty on success, otherwise the reason (the results file is untouched).
QString RestoreResults(const QString &projectPath, const QString &resultsPath);

// The data table named name in any part; null when there is none.
const DataTable *FindTable(const Content &content, const QString &name);
QStringList TableNames(const Content &content);

} // namespace Project
