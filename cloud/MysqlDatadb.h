#pragma once
#include <QObject>
#include <QSqlDatabase>

// Data class of the cloud report database. It opens nothing when constructed; each operation
// takes the remote connection (MysqlConnect) when it runs.
class MysqlDatadb : public QObject
{
    Q_OBJECT
public:
    explicit MysqlDatadb(QObject* parent = nullptr);

    // Stores the clinic's name, phone and address for the device; false when the server cannot
    // be reached or the statement fails. Logs nothing of its own.
    bool updateDeviceInfo(QString hospital, QString phone, QString address, QString devicename);

private:
    QSqlDatabase m_sqlDatabase;
};
