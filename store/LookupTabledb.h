#pragma once
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

struct DictEntry;

// A lookup table of the main database (default connection): an integer key plus editable
// text columns.
class LookupTabledb : public QObject
{
    Q_OBJECT
public:
    LookupTabledb(const QString& tableName, const QStringList& columns, QObject* parent = nullptr);

    QString tableName() const { return m_tableName; }
    // Editable columns, the id excluded.
    QStringList columns() const { return m_columns; }
    // Values of columns() per row, in id order.
    bool queryRows(QVector<QStringList>* rows);
    // Replaces the whole table with `rows` in one transaction; on any failure the old contents
    // stay and false is returned.
    bool replaceRows(const QVector<QStringList>& rows);

protected:
    // "select * from <table>": column 0 the id, column 1 the name, appended in id order.
    bool queryDict(QVector<DictEntry>* out, const char* caller);

    QSqlDatabase m_sqlDatabase;

private:
    QString m_tableName;
    QStringList m_columns;
};
