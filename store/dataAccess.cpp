#include "dataAccess.h"

#include "FileUtils.h"

#include <QDebug>
#include <QSqlError>

dataAccess* dataAccess::getInstance()
{
    static dataAccess* instance = new dataAccess;
    return instance;
}

bool dataAccess::open(const QString& name, const QString& fileName, const QString& seedResource)
{
    if (!seedResource.isEmpty())
        copyFileIfMissing(seedResource, fileName);
    QSqlDatabase db;
    if (QSqlDatabase::contains(name)) {
        db = QSqlDatabase::database(name, false);
        if (db.databaseName() != fileName) {
            db.close();
            db.setDatabaseName(fileName);
        }
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(fileName);
    }
    if (db.isOpen())
        return true;
    if (!db.open()) {
        qDebug() << "dataAccess::open" << name << fileName << db.lastError().text();
        return false;
    }
    return true;
}

QSqlDatabase dataAccess::database(const QString& name) const
{
    return QSqlDatabase::database(name, false);
}

bool dataAccess::isOpen(const QString& name) const
{
    return QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen();
}

void dataAccess::remove(const QString& name)
{
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
