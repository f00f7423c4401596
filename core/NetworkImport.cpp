#include "NetworkImport.h"

#include "Indexdb.h"
#include "NetImportStore.h"
#include "SqlUtil.h"
#include "Userdb.h"
#include "configAccess.h"

#include <QDebug>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kCheckpointSchema = QStringLiteral("netcheckpoint");

// Marks an import as running for as long as it lives.
struct BusyGuard
{
    bool& flag;
    explicit BusyGuard(bool& f) : flag(f) { flag = true; }
    ~BusyGuard() { flag = false; }
};

// A statement still reading elsewhere keeps an attached database from being detached: the
// attachment left from the last import serves again when it is the same file.
bool attachedTo(const QSqlDatabase& db, const QString& file)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA database_list")))
        return false;
    while (q.next()) {
        if (q.value(1).toString() == kCheckpointSchema && q.value(2).toString() == file)
            return true;
    }
    return false;
}

}

NetworkImport::NetworkImport(CloudReportSource& cloud, Indexdb& indexdb, Userdb& userdb)
    : m_cloud(cloud), m_indexdb(indexdb), m_userdb(userdb)
{
}

QString NetworkImport::checkpointKey(const QString& device)
{
    return device + QStringLiteral("_NETMAXID");
}

int NetworkImport::readCheckpoint(const QString& device)
{
    bool ok = false;
    const int value = configAccess::getInstance()->getConfig(checkpointKey(device)).trimmed().toInt(&ok, 10);
    return ok && value >= 0 ? value : -1;
}

PanelQcResult NetworkImport::qcResultFrom(const PanelChkRecord& row)
{
    PanelQcResult qc;
    qc.QcProduct = 0;
    qc.panelid = row.panelid;
    qc.panelindex = row.panelindex;
    qc.panellot = QString::number(row.panellot);
    qc.machineid = row.machineid;
    qc.QcLot = row.QcLot;
    qc.division = row.speciesname;
    qc.chkdatetime = row.chkdatetime;
    qc.result = row.testresults;
    qc.patientinfo = row.patientinfo;
    return qc;
}

bool NetworkImport::loadAccounts(QVector<UserEntry>* users)
{
    users->clear();
    return m_userdb.queryAll(users);
}

// Another import running, or no account stored: the outcome says so and nothing is fetched.
bool NetworkImport::readyToImport(Outcome* out, QVector<UserEntry>* users)
{
    if (m_busy) {
        out->status = Status::Busy;
        return false;
    }
    loadAccounts(users);
    if (users->isEmpty()) {
        out->status = Status::NoAccounts;
        return false;
    }
    return true;
}

NetworkImport::Outcome NetworkImport::importAll(const Clinic& clinic,
                                                const std::function<void(const QString&)>& registerDevice)
{
    Outcome out;
    QVector<UserEntry> users;
    if (!readyToImport(&out, &users))
        return out;
    BusyGuard guard(m_busy);
    const bool clinicSet = !clinic.hospital.isEmpty() || !clinic.address.isEmpty() || !clinic.phone.isEmpty();
    for (const UserEntry& user : users) {
        out.device = user.devicename;
        QVector<DeviceEntry> register_;
        if (!m_cloud.findDevice(user.devicename, &register_)) {
            out.status = Status::Offline;
            return out;
        }
        if (register_.isEmpty() || register_.first().devicepassword != user.devicepassword) {
            out.status = Status::AccountRejected;
            return out;
        }
        // Only a device whose password was accepted gets this clinic's details.
        if (clinicSet)
            m_cloud.updateDeviceInfo(clinic.hospital, clinic.phone, clinic.address, user.devicename);
        int stored = 0;
        const Status status = importDevice(user.devicename, &stored);
        out.stored += stored;
        if (status != Status::Done) {
            out.status = status;
            return out;
        }
        if (registerDevice)
            registerDevice(user.devicename);
    }
    out.device.clear();
    return out;
}

NetworkImport::Outcome NetworkImport::importNotified()
{
    Outcome out;
    QVector<UserEntry> users;
    if (!readyToImport(&out, &users))
        return out;
    BusyGuard guard(m_busy);
    for (const UserEntry& user : users) {
        int stored = 0;
        const Status status = importDevice(user.devicename, &stored);
        out.stored += stored;
        qDebug().noquote() << "---设备：" + user.devicename + "已完成数据同步";
        if (status != Status::Done) {
            out.status = status;
            out.device = user.devicename;
            return out;
        }
    }
    return out;
}

// The checkpoint in the main database describes the rows it holds, also after a restore. It is
// used while "<device>_NETMAXID" is set: clearing that key (the network cache) or a database
// from before checkpoints were kept in it makes the import skip as many rows as the device has
// here instead.
NetworkImport::Status NetworkImport::importDevice(const QString& device, int* stored)
{
    *stored = 0;
    int checkpoint = -1;
    if (readCheckpoint(device) >= 0 && !NetImportStore::readCheckpoint(device, &checkpoint))
        return Status::StoreFailed;
    int offset = 0;
    if (checkpoint < 0) {
        offset = m_indexdb.countByMachine(device);
        if (offset < 0)
            return Status::StoreFailed;
    }
    return storeRows(device, checkpoint, offset, stored);
}

bool NetworkImport::beginStore(const QString& device)
{
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.isOpen()) {
        qWarning() << "NetworkImport: the main database is not open";
        return false;
    }
    // "config_rw.db" keeps a copy of each checkpoint for its readers: attached here, it commits
    // with the rows.
    configAccess::getInstance()->getConfig(checkpointKey(device)); // seeds the file when missing
    const QString configFile = QFileInfo(QStringLiteral("config_rw.db")).absoluteFilePath();
    QSqlQuery attach(db);
    attach.exec(QStringLiteral("DETACH DATABASE ") + kCheckpointSchema);
    attach.prepare(QStringLiteral("ATTACH DATABASE ? AS ") + kCheckpointSchema);
    attach.addBindValue(configFile);
    if (!attach.exec() && !attachedTo(db, configFile)) {
        logSqlError("NetworkImport::storeRows", attach);
        return false;
    }
    if (!db.transaction()) {
        qWarning() << "NetworkImport: no transaction:" << db.lastError().text();
        QSqlQuery detach(db);
        detach.exec(QStringLiteral("DETACH DATABASE ") + kCheckpointSchema);
        return false;
    }
    return true;
}

bool NetworkImport::endStore(bool commit)
{
    QSqlDatabase db = QSqlDatabase::database();
    bool ok = commit;
    if (commit && !db.commit()) {
        qWarning() << "NetworkImport: commit failed:" << db.lastError().text();
        ok = false;
    }
    if (!ok && db.isOpen() && !db.rollback())
        qWarning() << "NetworkImport: rollback failed:" << db.lastError().text();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("DETACH DATABASE ") + kCheckpointSchema))
        logSqlError("NetworkImport::storeRows", q);
    return ok;
}

// Stores the rows as they arrive, then the new checkpoint, all in one transaction: nothing is
// kept when any of it fails.
NetworkImport::Status NetworkImport::storeRows(const QString& device, int checkpoint, int offset, int* stored)
{
    NetImportStore store;
    bool begun = false;  // the transaction opens with the first rows
    bool storeFailed = false;
    int highest = checkpoint;
    int count = 0;
    const auto take = [&](QVector<PanelChkRecord>& rows) {
        if (!begun) {
            begun = beginStore(device);
            if (!begun || !store.prepare()) {
                storeFailed = true;
                return false;
            }
        }
        for (PanelChkRecord& row : rows) {
            row.status = row.testresults.isEmpty() ? 0 : 1;
            const QVariant time = row.checkTime.isNull() ? sqlDateTime(row.chkdatetime) : QVariant(row.checkTime);
            const bool ok = row.testType == 1 ? store.insertQc(qcResultFrom(row), time) : store.insertSample(row, time);
            if (!ok) {
                storeFailed = true;
                return false;
            }
            highest = qMax(highest, row.id);
        }
        count += rows.size();
        return true;
    };
    const bool fetched = m_cloud.streamReports(device, checkpoint, offset, take);
    if (storeFailed || !fetched) {
        if (begun)
            endStore(false);
        return storeFailed ? Status::StoreFailed : Status::Offline;
    }
    if (!begun)
        return Status::Done;
    bool ok = NetImportStore::writeCheckpoint(device, highest);
    if (ok) {
        QSqlQuery q(QSqlDatabase::database());
        q.prepare(QStringLiteral("INSERT INTO %1.config (keyName, valueStr, notes) values (?, ?, '') "
                                 "ON CONFLICT(keyName) DO UPDATE SET valueStr = excluded.valueStr")
                      .arg(kCheckpointSchema));
        q.addBindValue(checkpointKey(device));
        q.addBindValue(QString::number(highest));
        ok = q.exec();
        if (!ok)
            logSqlError("NetworkImport::storeRows", q);
    }
    if (!endStore(ok))
        return Status::StoreFailed;
    *stored = count;
    qDebug() << "NetworkImport:" << device << "stored" << count << "rows up to cloud id" << highest;
    return Status::Done;
}
