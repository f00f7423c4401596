#include "NetImportStore.h"

#include "SqlUtil.h"

#include <QSqlDatabase>

namespace {

const QString kTable = QStringLiteral("NetImportCheckpoint");

QSqlDatabase mainDb()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

bool run(QSqlQuery& q, const char* where)
{
    if (q.exec())
        return true;
    logSqlError(where, q);
    return false;
}

}

bool NetImportStore::prepare()
{
    m_sample = QSqlQuery(mainDb());
    m_qc = QSqlQuery(mainDb());
    if (!m_sample.prepare(QStringLiteral(
            "insert into PanelChkResult (chkdatetime, machineid, panelid, panelindex, panellot, patientinfo, "
            "testresults, mastername, speciesname, animalsexname, sampletypename, sendinspectorname, "
            "sendinspectordate, inspectorname, reviewername, clinicalinformation, remark, state, Errcode, status, "
            "sampletime, testType, QcLot, birthday) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"))) {
        logSqlError("NetImportStore::prepare", m_sample);
        return false;
    }
    if (!m_qc.prepare(QStringLiteral(
            "insert into PanelQcResult ('chkdatetime','QcProduct','QcLot','division','result','panelid','panelindex',"
            "'panellot','machineid','inspectorname','reviewername','show','Errcode','patientinfo') "
            "values(?,?,?,?,?,?,?,?,?,?,?,1,?,?)"))) {
        logSqlError("NetImportStore::prepare", m_qc);
        return false;
    }
    return true;
}

bool NetImportStore::insertSample(const PanelChkRecord& r, const QVariant& checkTime)
{
    const QVariant values[] = {checkTime, r.machineid, r.panelid, r.panelindex, r.panellot, r.patientinfo,
                               r.testresults, r.mastername, r.speciesname, r.animalsexname, r.sampletypename,
                               r.sendinspectorname, sqlDateTime(r.sendinspectordate), r.inspectorname,
                               r.reviewername, r.clinicalinformation, r.remark, r.state, r.Errcode, r.status,
                               sqlDateTime(r.sampletime), r.testType, r.QcLot, r.birthday};
    int i = 0;
    for (const QVariant& v : values)
        m_sample.bindValue(i++, v);
    return run(m_sample, "NetImportStore::insertSample");
}

bool NetImportStore::insertQc(const PanelQcResult& r, const QVariant& checkTime)
{
    const QVariant values[] = {checkTime, r.QcProduct, r.QcLot, r.division, r.result, r.panelid, r.panelindex,
                               r.panellot, r.machineid, r.inspectorname, r.reviewername, r.Errcode, r.patientinfo};
    int i = 0;
    for (const QVariant& v : values)
        m_qc.bindValue(i++, v);
    return run(m_qc, "NetImportStore::insertQc");
}

bool NetImportStore::readCheckpoint(const QString& device, int* maxId)
{
    *maxId = -1;
    QSqlQuery q(mainDb());
    q.prepare(QStringLiteral("select count(*) from sqlite_master where type = 'table' and name = ?"));
    q.addBindValue(kTable);
    if (!run(q, "NetImportStore::readCheckpoint") || !q.next())
        return false;
    if (q.value(0).toInt() == 0)
        return true;  // a database from before checkpoints were kept in it
    q.prepare(QStringLiteral("select maxid from %1 where machineid = ?").arg(kTable));
    q.addBindValue(device);
    if (!run(q, "NetImportStore::readCheckpoint"))
        return false;
    if (q.next()) {
        bool ok = false;
        const int value = q.value(0).toInt(&ok);
        *maxId = ok && value >= 0 ? value : -1;
    }
    return true;
}

bool NetImportStore::writeCheckpoint(const QString& device, int maxId)
{
    QSqlQuery q(mainDb());
    if (!q.exec(QStringLiteral("create table if not exists %1 (machineid TEXT PRIMARY KEY, maxid INTEGER NOT NULL)")
                    .arg(kTable))) {
        logSqlError("NetImportStore::writeCheckpoint", q);
        return false;
    }
    q.prepare(QStringLiteral("insert into %1 (machineid, maxid) values (?, ?) "
                             "on conflict(machineid) do update set maxid = excluded.maxid")
                  .arg(kTable));
    q.addBindValue(device);
    q.addBindValue(maxId);
    return run(q, "NetImportStore::writeCheckpoint");
}
