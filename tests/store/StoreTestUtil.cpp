#include "StoreTestUtil.h"

#include "Indexdb.h"
#include "configAccess.h"
#include "dataAccess.h"
#include "dbHelper.h"

#include <QDebug>
#include <QFile>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
QStringList g_lines;
QtMessageHandler g_previous = nullptr;
int g_captures = 0;

void handler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    g_lines << msg;
    if (g_previous)
        g_previous(type, ctx, msg);
}
} // namespace

LogCapture::LogCapture()
{
    g_lines.clear();
    if (g_captures++ == 0)
        g_previous = qInstallMessageHandler(handler);
}

LogCapture::~LogCapture()
{
    if (--g_captures == 0)
        qInstallMessageHandler(g_previous);
}

bool LogCapture::contains(const QString& text) const
{
    for (const QString& l : g_lines)
        if (l.contains(text))
            return true;
    return false;
}

QStringList LogCapture::lines() const
{
    return g_lines;
}

bool runSqlScript(const QString& scriptFile, const QString& dbFile)
{
    QFile f(scriptFile);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString script = QString::fromUtf8(f.readAll());
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("script"));
        db.setDatabaseName(dbFile);
        ok = db.open();
        QSqlQuery q(db);
        // Statements end with ";" at the end of a line.
        QString statement;
        for (const QString& line : script.split(QLatin1Char('\n'))) {
            if (line.trimmed().startsWith(QLatin1String("--")))
                continue;
            statement += line + QLatin1Char('\n');
            if (line.trimmed().endsWith(QLatin1Char(';'))) {
                if (ok && !q.exec(statement)) {
                    qWarning() << "script:" << statement << q.lastError().text();
                    ok = false;
                }
                statement.clear();
            }
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("script"));
    return ok;
}

QVariant sqlValue(const QString& dbFile, const QString& sql)
{
    QVariant v;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(dbFile);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                v = q.value(0);
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return v;
}

bool openFreshMainDatabase()
{
    return dbHelper::prepareMainDatabases() && dbHelper::getInstance()->openDatabase();
}

void closeStoreConnections()
{
    dbHelper::getInstance()->close();
    configAccess::getInstance()->closeConfigDb();
    dataAccess::getInstance()->remove(QStringLiteral("config_rw"));
}

int storeResult(PanelChkRecord record)
{
    if (!Indexdb().insertData(record))
        return -1;
    QSqlQuery q(QStringLiteral("select max(id) from PanelChkResult"));
    return q.next() ? q.value(0).toInt() : -1;
}

QString analyteItems(const QString& codes)
{
    QStringList items;
    for (const QString& c : codes.split(QLatin1Char(',')))
        items << QStringLiteral("{\"N\":\"%1\",\"I\":[1,0,2,0,9,\"g/L\"]}").arg(c);
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}
