#pragma once

#include <QString>

#include <functional>
#include <memory>

class QAbstractItemModel;
class QSqlQueryModel;

// The data source of a data-bound grid: a database file name and a query
// text, run on the shared database connection when refreshed. It lets go of
// its query whenever the connection releases the file. Failures go to the
// error handler and are shown by nobody else.
class DataControl
{
public:
    DataControl();
    ~DataControl();
    DataControl(const DataControl &) = delete;
    DataControl &operator=(const DataControl &) = delete;

    QString DatabaseName;
    QString RecordSource;

    // Runs RecordSource on DatabaseName and fetches every row.
    void Refresh();

    // Lets go of the query; the grid shows nothing until the next Refresh.
    void Release();

    QAbstractItemModel *model() const;

    std::function<void(const QString &errorText)> onError;

private:
    void reportError(const QString &text);

    std::unique_ptr<QSqlQueryModel> m_model;
};
