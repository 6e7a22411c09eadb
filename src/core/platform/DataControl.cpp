#include "platform/DataControl.h"

#include "platform/DatabaseConnection.h"
#include "platform/RuntimeFault.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>

DataControl::DataControl()
    : m_model(std::make_unique<QSqlQueryModel>())
{
    DatabaseConnection::shared().addHolder(this, [this] { Release(); });
}

DataControl::~DataControl()
{
    DatabaseConnection::shared().removeHolder(this);
}

void DataControl::Refresh()
{
    Release();
    try {
        DatabaseConnection &db = DatabaseConnection::shared();
        db.open(DatabaseName, false);
        m_model->setQuery(QSqlQuery(RecordSource, db.database()));
    } catch (const RuntimeFault &fault) {
        reportError(fault.description());
        return;
    }
    if (m_model->lastError().isValid()) {
        const QString text = m_model->lastError().text();
        Release();
        reportError(text);
        return;
    }
    // The model fetches 256 rows at a time: the grid's last row, its
    // Ctrl+End and its scroll bar need them all.
    while (m_model->canFetchMore())
        m_model->fetchMore();
}

void DataControl::Release()
{
    m_model->clear();
}

QAbstractItemModel *DataControl::model() const
{
    return m_model.get();
}

void DataControl::reportError(const QString &text)
{
    if (onError)
        onError(text);
}
