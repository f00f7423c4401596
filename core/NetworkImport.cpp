#include "NetworkImport.h"

#include "Indexdb.h"
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
        if (clinicSet)
            m_cloud.updateDeviceInfo(clinic.hospital, clinic.phone, clinic.address, user.devicename);

        QVector<DeviceEntry> register_;
        if (!m_cloud.findDevice(user.devicename, &register_)) {
            out.status = Status::Offline;
            return out;
        }
        if (register_.isEmpty() || register_.first().devicepassword != user.devicepassword) {
            out.status = Status::AccountRejected;
            return out;
        }
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

NetworkImport::Status NetworkImport::importDevice(const QString& device, int* stored)
{
    *stored = 0;
    QVector<PanelChkRecord> rows;
    int checkpoint = readCheckpoint(device);
    if (checkpoint >= 0) {
        if (!m_cloud.findReportEx(device, checkpoint, &rows))
            return Status::Offline;
    } else {
        // No checkpoint yet: skip as many rows as this device already has here.
        const int offset = m_indexdb.countByMachine(device);
        if (offset < 0)
            return Status::StoreFailed;
        if (!m_cloud.findReport(device, offset, &rows))
            return Status::Offline;
    }
    if (rows.isEmpty())
        return Status::Done;
    if (!storeRows(device, rows, checkpoint))
        return Status::StoreFailed;
    *stored = rows.size();
    return Status::Done;
}

bool NetworkImport::storeRows(const QString& device, QVector<PanelChkRecord>& rows, int checkpoint)
{
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.isOpen()) {
        qWarning() << "NetworkImport: the main database is not open";
        return false;
    }
    // The checkpoint lives in "config_rw.db": attached here, it commits with the rows.
    configAccess::getInstance()->getConfig(checkpointKey(device)); // seeds the file when missing
    const QString configFile = QFileInfo(QStringLiteral("config_rw.db")).absoluteFilePath();
    QSqlQuery attach(db);
    attach.exec(QStringLiteral("DETACH DATABASE ") + kCheckpointSchema);
    attach.prepare(QStringLiteral("ATTACH DATABASE ? AS ") + kCheckpointSchema);
    attach.addBindValue(configFile);
    if (!attach.exec()) {
        logSqlError("NetworkImport::storeRows", attach);
        return false;
    }
    const auto detach = [&db]() {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("DETACH DATABASE ") + kCheckpointSchema))
            logSqlError("NetworkImport::storeRows", q);
    };

    if (!db.transaction()) {
        qWarning() << "NetworkImport: no transaction:" << db.lastError().text();
        detach();
        return false;
    }
    bool ok = true;
    int highest = checkpoint;
    for (PanelChkRecord& row : rows) {
        row.status = row.testresults.isEmpty() ? 0 : 1;
        if (row.testType == 1) {
            PanelQcResult qc = qcResultFrom(row);
            ok = m_indexdb.insertQcResult(qc);
        } else {
            ok = m_indexdb.insertData(row);
        }
        if (!ok)
            break;
        highest = qMax(highest, row.id);
    }
    if (ok) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO %1.config (keyName, valueStr, notes) values (?, ?, '') "
                                 "ON CONFLICT(keyName) DO UPDATE SET valueStr = excluded.valueStr")
                      .arg(kCheckpointSchema));
        q.addBindValue(checkpointKey(device));
        q.addBindValue(QString::number(highest));
        ok = q.exec();
        if (!ok)
            logSqlError("NetworkImport::storeRows", q);
    }
    if (ok && !db.commit()) {
        qWarning() << "NetworkImport: commit failed:" << db.lastError().text();
        ok = false;
    }
    if (!ok && !db.rollback())
        qWarning() << "NetworkImport: rollback failed:" << db.lastError().text();
    detach();
    if (ok)
        qDebug() << "NetworkImport:" << device << "stored" << rows.size() << "rows up to cloud id" << highest;
    return ok;
}
