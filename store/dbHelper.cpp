#include "dbHelper.h"

#include "FileUtils.h"
#include "IniFile.h"
#include "SqlUtil.h"

#include <QDebug>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

// Acquisition mode: "3" network, anything else serial.
const char* const kModeFile = "./saveFile/database.ini";
const char* const kModeGroup = "systemCfg";
const char* const kModeKey = "get";

struct Column
{
    const char* name;
    const char* type; // used when the column is added to an older table
};

struct Table
{
    const char* name;
    const char* key; // the key column with its type
    std::initializer_list<Column> columns;
};

// The current schema of the main databases. A missing table is created from its key and
// columns; columns missing from an older table are added in this order.
const Table kTables[] = {
    {"PanelChkResult", "id INTEGER PRIMARY KEY AUTOINCREMENT",
     {{"chkdatetime", "TEXT"}, {"machineid", "TEXT"}, {"panelid", "INTEGER DEFAULT 0"},
      {"panelindex", "INTEGER DEFAULT 0"}, {"panellot", "INTEGER DEFAULT 0"}, {"patientinfo", "TEXT"},
      {"testresults", "TEXT"}, {"mastername", "TEXT DEFAULT ''"}, {"speciesname", "TEXT DEFAULT ''"},
      {"animalsexname", "TEXT DEFAULT ''"}, {"sampletypename", "TEXT DEFAULT ''"},
      {"sendinspectorname", "TEXT DEFAULT ''"}, {"sendinspectordate", "TEXT"}, {"sampletime", "TEXT"},
      {"inspectorname", "TEXT DEFAULT ''"}, {"reviewername", "TEXT DEFAULT ''"},
      {"clinicalinformation", "TEXT DEFAULT ''"}, {"remark", "TEXT DEFAULT ''"}, {"state", "INTEGER DEFAULT 1"},
      {"Errcode", "TEXT DEFAULT ''"}, {"status", "INTEGER DEFAULT 1"}, {"birthday", "TEXT DEFAULT ''"},
      {"testType", "INTEGER DEFAULT 0"}, {"QcLot", "TEXT DEFAULT ''"}, {"aiResult", "TEXT DEFAULT ''"}}},
    {"PanelQcResult", "id INTEGER PRIMARY KEY AUTOINCREMENT",
     {{"chkdatetime", "TEXT"}, {"QcProduct", "INTEGER DEFAULT 0"}, {"QcLot", "TEXT DEFAULT ''"},
      {"division", "TEXT DEFAULT ''"}, {"result", "TEXT"}, {"panelid", "INTEGER DEFAULT -1"},
      {"panelindex", "INTEGER DEFAULT -1"}, {"panellot", "TEXT DEFAULT ''"}, {"machineid", "TEXT"},
      {"inspectorname", "TEXT DEFAULT ''"}, {"reviewername", "TEXT DEFAULT ''"}, {"show", "INTEGER DEFAULT 1"},
      {"Errcode", "TEXT DEFAULT ''"}, {"patientinfo", "TEXT DEFAULT ''"}}},
    {"user", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"devicename", "TEXT"}, {"devicepassword", "TEXT"}}},
    {"clinical", "id INTEGER PRIMARY KEY AUTOINCREMENT",
     {{"projectname", "TEXT"}, {"projectvalue", "TEXT"}, {"remark", "TEXT"}}},
    {"referencevalue", "projectid INTEGER PRIMARY KEY", {{"projectname", "TEXT"}, {"projectchnname", "TEXT"}}},
    {"animalsex", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"clinicaldiagnosis", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"division", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"inspectremark", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"inspector", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"projectname", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"reviewer", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"sampletype", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"sendinspector", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
    {"species", "id INTEGER PRIMARY KEY AUTOINCREMENT", {{"name", "TEXT"}}},
};

QString createSql(const Table& t)
{
    QStringList parts{QLatin1String(t.key)};
    for (const Column& c : t.columns)
        parts << QStringLiteral("\"%1\" %2").arg(QLatin1String(c.name), QLatin1String(c.type));
    return QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(QLatin1String(t.name), parts.join(QStringLiteral(", ")));
}

// QC runs that an import left among the sample results (live rows of testType 1) are copied to
// the QC table; the sample row stays with status 0, so that it is listed once and still counts
// for the import's row offset.
const char* const kMoveQcRuns[] = {
    "INSERT INTO PanelQcResult (chkdatetime, QcProduct, QcLot, division, result, panelid, panelindex, panellot, "
    "machineid, inspectorname, reviewername, \"show\", Errcode, patientinfo) "
    "SELECT chkdatetime, 0, ifnull(QcLot, ''), ifnull(speciesname, ''), testresults, panelid, panelindex, "
    "ifnull(CAST(panellot AS TEXT), ''), machineid, ifnull(inspectorname, ''), ifnull(reviewername, ''), 1, "
    "ifnull(Errcode, ''), ifnull(patientinfo, '') "
    "FROM PanelChkResult INDEXED BY idx_chk_qcrun WHERE testType = 1 AND state = 1 AND status = 1 ORDER BY id",
    "UPDATE PanelChkResult INDEXED BY idx_chk_qcrun SET status = 0 WHERE testType = 1 AND state = 1 AND status = 1",
};

// Made before the QC runs are moved, so that the move finds what is left to move through an index
// of those rows alone (empty once everything is moved) rather than by reading every live row.
const char* const kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS idx_chk_live ON PanelChkResult (state, status, chkdatetime)",
    "CREATE INDEX IF NOT EXISTS idx_chk_machine ON PanelChkResult (machineid)",
    // QC runs left among the sample results, still to be moved.
    "CREATE INDEX IF NOT EXISTS idx_chk_qcrun ON PanelChkResult (id) WHERE testType = 1 AND state = 1 AND status = 1",
    // QC runs moved already, per machine: the result count finds them without walking the
    // machine's rows (files of older versions hold such rows; newer ones store QC runs apart).
    "CREATE INDEX IF NOT EXISTS idx_chk_moved ON PanelChkResult (machineid) "
    "WHERE ifnull(testType, 0) = 1 AND ifnull(status, 1) = 0 AND ifnull(testresults, '') <> ''",
    // The QC list's columns in its order: a page reads the index alone.
    "CREATE INDEX IF NOT EXISTS idx_qc_list ON PanelQcResult (\"show\", chkdatetime, id, QcProduct, QcLot, division, machineid)",
    "DROP INDEX IF EXISTS idx_qc_show",
    "CREATE INDEX IF NOT EXISTS idx_qc_machine ON PanelQcResult (machineid)",
};

bool runUpgrade(QSqlDatabase& db)
{
    QSqlQuery query(db);
    // Fails on a file that is not a database.
    if (!query.exec(QStringLiteral("select name from sqlite_master where type='table'"))) {
        logSqlError("dbHelper::upgradeSchema", query);
        return false;
    }
    QSet<QString> tables;
    while (query.next())
        tables.insert(query.value(0).toString().toLower());
    query.finish();

    for (const Table& t : kTables) {
        const QString name = QLatin1String(t.name);
        if (!tables.contains(name.toLower())) {
            if (!query.exec(createSql(t))) {
                logSqlError("dbHelper::upgradeSchema", query);
                return false;
            }
            qDebug() << "dbHelper::upgradeSchema create table" << name;
            continue;
        }
        if (!query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(name))) {
            logSqlError("dbHelper::upgradeSchema", query);
            return false;
        }
        QSet<QString> present;
        while (query.next())
            present.insert(query.value(1).toString().toLower());
        query.finish();
        for (const Column& c : t.columns) {
            if (present.contains(QString::fromLatin1(c.name).toLower()))
                continue;
            const QString sql = QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN \"%2\" %3")
                                    .arg(name, QLatin1String(c.name), QLatin1String(c.type));
            if (!query.exec(sql)) {
                logSqlError("dbHelper::upgradeSchema", query);
                return false;
            }
            qDebug() << "dbHelper::upgradeSchema add column" << name << c.name;
        }
    }
    for (const char* sql : kIndexes) {
        if (!query.exec(QLatin1String(sql))) {
            logSqlError("dbHelper::upgradeSchema", query);
            return false;
        }
    }
    for (const char* sql : kMoveQcRuns) {
        if (!query.exec(QLatin1String(sql))) {
            logSqlError("dbHelper::upgradeSchema", query);
            return false;
        }
    }
    if (query.numRowsAffected() > 0)
        qDebug() << "dbHelper::upgradeSchema QC runs moved to PanelQcResult:" << query.numRowsAffected();
    return true;
}

} // namespace

dbHelper* dbHelper::getInstance()
{
    static dbHelper* instance = new dbHelper;
    return instance;
}

QString dbHelper::currentFileName()
{
    const QString mode = readIniValue(QLatin1String(kModeFile), QLatin1String(kModeGroup), QLatin1String(kModeKey)).toString();
    return mode == QLatin1String("3") ? QStringLiteral("database.db3") : QStringLiteral("database.db2");
}

bool dbHelper::setAcquisitionMode(int mode)
{
    return writeIniValues(QLatin1String(kModeFile), QLatin1String(kModeGroup), {{QLatin1String(kModeKey), mode}});
}

bool dbHelper::openDatabase()
{
    const QString fileName = currentFileName();
    const QString conn = QLatin1String(QSqlDatabase::defaultConnection);
    if (QSqlDatabase::contains(conn)) {
        {
            QSqlDatabase old = QSqlDatabase::database(conn, false);
            old.close();
        }
        QSqlDatabase::removeDatabase(conn);
    }
    // A missing file would be created empty, and every result stored later would be lost.
    copyFileIfMissing(QStringLiteral(":/DB/Chinese/") + fileName, fileName);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(fileName);
    if (!db.open()) {
        qDebug() << "m_sqlDatabase open ERR:" << db.lastError().text();
        return false;
    }
    // SQLite opens lazily: read the schema once so that a damaged file is caught here.
    {
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("select count(*) from sqlite_master"))) {
            qDebug() << "m_sqlDatabase open ERR:" << probe.lastError().text();
            probe.finish();
            db.close();
            return false;
        }
    }
    qDebug() << "start" << fileName;
    return true;
}

void dbHelper::close()
{
    const QString conn = QLatin1String(QSqlDatabase::defaultConnection);
    if (!QSqlDatabase::contains(conn))
        return;
    QSqlDatabase db = QSqlDatabase::database(conn, false);
    db.close();
}

bool dbHelper::upgradeSchema(const QString& fileName)
{
    const QString conn = QStringLiteral("init");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(fileName);
        if (!db.open()) {
            qDebug() << "dbHelper::upgradeSchema open" << fileName << db.lastError().text();
        } else {
            const bool inTransaction = db.transaction();
            ok = runUpgrade(db);
            if (inTransaction) {
                if (ok && !db.commit()) {
                    qDebug() << "dbHelper::upgradeSchema commit" << fileName << db.lastError().text();
                    ok = false;
                }
                if (!ok)
                    db.rollback();
            }
            db.close();
        }
        if (!ok)
            qDebug() << "dbHelper::upgradeSchema fail" << fileName;
    }
    QSqlDatabase::removeDatabase(conn);
    return ok;
}

bool dbHelper::prepareMainDatabases()
{
    bool ok = true;
    for (const char* name : {"database.db2", "database.db3"}) {
        const QString file = QLatin1String(name);
        copyFileIfMissing(QStringLiteral(":/DB/Chinese/") + file, file);
        if (!QFileInfo::exists(file) || !upgradeSchema(file))
            ok = false;
    }
    return ok;
}
