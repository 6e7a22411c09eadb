#pragma once

#include "dynamic/SimulationInput.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

// The results file "Temp.mdb" of the last simulation: three tables "A", "B"
// and "AB", each with the double fields "Time" (s), "Concentration" (M) and
// "Rate (dC/dt)" (M/s), one row per table for every sample, in the order the
// engine produced them. Users and stored files rely on these names and on the
// three query texts. A run with a competitor challenge also has the tables
// "C" and "CB" of the competitor and its complex, alike. Every use goes
// through the one shared connection.
namespace modVornish {

enum class ResultsTable { A, B, AB, C, CB };

inline const QString TimeField = QStringLiteral("Time");
inline const QString ConcentrationField = QStringLiteral("Concentration");
inline const QString RateField = QStringLiteral("Rate (dC/dt)");

// "select [Time],[Concentration],[Rate (dC/dt)] from [A]" and so on.
QString ResultsQuery(ResultsTable table);

// "Temp.mdb" in the folder the program writes into (modVnPublic::WritableFolder):
// the user's data folder for an installed program.
QString ResultsFilePath();

// A new file at path with the three empty tables (and the competitor's two
// when asked); the file must not exist.
void CreateResultsDatabase(const QString &path, bool withCompetitor = false);

// Lets go of the file: the browser's grid and the connection release it.
void ReleaseResultsFile();

// Before a run: releases and deletes any file at path, then creates it anew.
void ResetResultsDatabase(const QString &path, bool withCompetitor = false);

// Appends the samples of one run to the file at path. Rows are committed in
// batches of at most a second, at finish() and, when a fault ends the run,
// on destruction, so that the file keeps every sample appended before the
// fault (a kill loses only the last second) and stays a valid database. A sample whose rows cannot all be written is
// taken out, so the tables keep equal row counts. The competitor's tables
// are written when the file has them.
class ResultsAppender
{
public:
    explicit ResultsAppender(const QString &path);
    ~ResultsAppender();
    ResultsAppender(const ResultsAppender &) = delete;
    ResultsAppender &operator=(const ResultsAppender &) = delete;

    void AppendResultRecord(const ResultRecord &record);

    // Commits what is appended; throws when the file cannot take it.
    void finish();

private:
    struct Statements;
    std::unique_ptr<Statements> m_statements;
    size_t m_tables = 0; // how many of the tables the file has, in ResultsTable order
    int m_uncommitted = 0;
    QElapsedTimer m_sinceCommit;
    bool m_inTransaction = false;
};

} // namespace modVornish
