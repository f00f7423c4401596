#include "dataAccess.h"

#include "FileUtils.h"

#include <QDebug>
#include <QFileInfo>
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
    m_names.insert(name);
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
    m_names.remove(name);
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void dataAccess::closeFile(const QString& fileName)
{
    const QString file = QFileInfo(fileName).canonicalFilePath();
    if (file.isEmpty())
        return;
    QSet<QString> names = m_names;
    names.insert(QLatin1String(QSqlDatabase::defaultConnection));
    for (const QString& name : qAsConst(names)) {
        if (!QSqlDatabase::contains(name))
            continue;
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen() && QFileInfo(db.databaseName()).canonicalFilePath() == file) {
            qDebug() << "dataAccess::closeFile" << name << fileName;
            db.close();
        }
    }
}
