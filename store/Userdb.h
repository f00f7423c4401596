#pragma once
#include "UserEntry.h"

#include <QObject>
#include <QSqlDatabase>
#include <QVector>

// Device accounts: table "user" of the main database (default connection, or the named one).
class Userdb : public QObject
{
    Q_OBJECT
public:
    explicit Userdb(QObject* parent = nullptr, const QString& connection = QString());
    // Stores one account (its id is not used). Returns whether the statement ran.
    bool insertData(const UserEntry& entry);
    // Appends every account in id order; false when the query fails.
    bool queryAll(QVector<UserEntry>* out);
    // Deletes the account with this id. Returns whether the statement ran.
    bool deleteById(int id);

private:
    QSqlDatabase m_sqlDatabase;
};
