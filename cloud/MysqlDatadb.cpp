#include "MysqlDatadb.h"
#include "CloudConfig.h"
#include "MysqlConnect.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <limits>
#include <memory>

namespace {

// Columns of report_card as the cloud lays them out.
enum ReportColumn {
    ColId = 0,
    ColChkdatetime = 2,
    ColErrcode = 3,
    ColMachineid = 4,
    ColPanelid = 5,
    ColPanelindex = 7,
    ColPanellot = 8,
    ColPatientinfo = 9,
    ColTestresults = 12,
    ColState = 15,
};

// The low three error bits as three binary digits ("001" to "111"); empty when none is set.
QString errcodeText(qint64 code)
{
    const int bits = int(code & 7);
    return bits ? QString::number(bits, 2).rightJustified(3, QLatin1Char('0')) : QString();
}

QString jsonText(const QJsonValue& v)
{
    return v.isString() ? v.toString() : v.toVariant().toString();
}

}

MysqlDatadb::MysqlDatadb(QObject* parent) : QObject(parent) {}

// Silent by design: callers do not look at the result and the window keeps working offline.
bool MysqlDatadb::updateDeviceInfo(QString hospital, QString phone, QString address,
                                   QString devicename)
{
    // Details never entered on this PC leave the cloud's record as it is.
    if (hospital.isEmpty() && phone.isEmpty() && address.isEmpty())
        return true;
    MysqlConnect* conn = MysqlConnect::getInstance();
    if (!conn->open())
        return false;
    m_sqlDatabase = conn->database();

    const QString sql = QStringLiteral("UPDATE deviceinfomation SET hospital =:hospital,phone=:phone,"
                                       "adress=:adress WHERE devicename = :devicename");
    QSqlQuery query(m_sqlDatabase);
    return conn->exec(query, sql, {hospital, phone, address, devicename});
}

bool MysqlDatadb::findDevice(const QString& devicename, QVector<DeviceEntry>* out)
{
    MysqlConnect* conn = MysqlConnect::getInstance();
    if (!conn->open())
        return false;
    m_sqlDatabase = conn->database();
    QSqlQuery query(m_sqlDatabase);
    if (!conn->exec(query,
                    QStringLiteral("select * from device_register where 1=1 and BINARY devicename=? "
                                   "and state=1 LIMIT 1"),
                    {devicename})) {
        qWarning() << "MysqlDatadb::findDevice error:" << query.lastError().text();
        return false;
    }
    if (query.next()) {
        DeviceEntry e;
        e.devicename = query.value(1).toString();
        e.devicepassword = query.value(2).toString();
        qDebug() << "devicename" << e.devicename;
        if (out)
            out->append(e);
    }
    return true;
}

namespace {

// Every column of report_card, then the check time as stored text.
const QString kSelectReports = QStringLiteral(
    "select *, DATE_FORMAT(chkdatetime, '%Y-%m-%d %H:%i:%s') from report_card "
    "where machineid = ? AND BINARY machineid = ? AND resultserr = 0 ");

}

bool MysqlDatadb::findReport(const QString& machineid, int offset, QVector<PanelChkRecord>* out)
{
    // The index on machineid finds the rows; BINARY keeps the match exact.
    return fetchReports("MysqlDatadb::findReport", kSelectReports + QStringLiteral("ORDER BY id LIMIT ?, ?"),
                        {machineid, machineid, qMax(0, offset), kOffsetFetchLimit}, out);
}

bool MysqlDatadb::findReportEx(const QString& machineid, int& maxId, QVector<PanelChkRecord>* out)
{
    return fetchReports("MysqlDatadb::findReportEx", kSelectReports + QStringLiteral("AND id > ? ORDER BY id"),
                        {machineid, machineid, maxId}, out);
}

namespace {

// Pages passed from the fetching thread to the storing one; at most `capacity` wait.
class PageQueue
{
public:
    explicit PageQueue(int capacity) : m_capacity(capacity) {}

    // False when the taker gave up.
    bool push(QVector<PanelChkRecord>&& page)
    {
        QMutexLocker lock(&m_mutex);
        while (m_pages.size() >= m_capacity && !m_cancelled)
            m_changed.wait(&m_mutex);
        if (m_cancelled)
            return false;
        m_pages.push_back(std::move(page));
        m_changed.wakeAll();
        return true;
    }
    void finish(bool ok)
    {
        QMutexLocker lock(&m_mutex);
        m_finished = true;
        m_ok = ok;
        m_changed.wakeAll();
    }
    // The next page; false when there is none left.
    bool pop(QVector<PanelChkRecord>* page)
    {
        QMutexLocker lock(&m_mutex);
        while (m_pages.empty() && !m_finished)
            m_changed.wait(&m_mutex);
        if (m_pages.empty())
            return false;
        *page = std::move(m_pages.front());
        m_pages.pop_front();
        m_changed.wakeAll();
        return true;
    }
    void cancel()
    {
        QMutexLocker lock(&m_mutex);
        m_cancelled = true;
        m_changed.wakeAll();
    }
    bool succeeded() const
    {
        QMutexLocker lock(&m_mutex);
        return m_ok;
    }

private:
    mutable QMutex m_mutex;
    QWaitCondition m_changed;
    std::deque<QVector<PanelChkRecord>> m_pages;
    const size_t m_capacity;
    bool m_finished = false;
    bool m_ok = false;
    bool m_cancelled = false;
};

}

bool MysqlDatadb::streamReports(const QString& machineid, int afterId, int offset, const ReportBatch& take)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QMYSQL")))
        return false;
    const CloudConfig cfg = CloudConfig::current();
    PageQueue queue(2);
    std::unique_ptr<QThread> fetcher(QThread::create([&]() {
        const QString name = QStringLiteral("cloud_mysql_stream_%1").arg(quintptr(QThread::currentThreadId()));
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
            if (MysqlConnect::openOn(db, cfg))
                ok = fetchPages(db, machineid, afterId, offset,
                                [&queue](QVector<PanelChkRecord>&& page) { return queue.push(std::move(page)); });
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        queue.finish(ok);
    }));
    fetcher->start();
    bool taken = true;
    QVector<PanelChkRecord> rows;
    while (queue.pop(&rows)) {
        if (!take(rows)) {
            taken = false;
            queue.cancel();
            break;
        }
    }
    fetcher->wait();
    return taken && queue.succeeded();
}

bool MysqlDatadb::fetchPages(QSqlDatabase& db, const QString& machineid, int afterId, int offset,
                             const std::function<bool(QVector<PanelChkRecord>&&)>& push)
{
    // By offset at most kOffsetFetchLimit rows, as findReport; above a checkpoint every row.
    const bool byOffset = afterId < 0;
    qint64 left = byOffset ? kOffsetFetchLimit : std::numeric_limits<qint64>::max();
    int last = afterId;
    for (bool first = true; left > 0; first = false) {
        const int page = int(qMin<qint64>(kStreamPageRows, left));
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (byOffset && first) {
            query.prepare(kSelectReports + QStringLiteral("ORDER BY id LIMIT ?, ?"));
            for (const QVariant& v : QVariantList{machineid, machineid, qMax(0, offset), page})
                query.addBindValue(v);
        } else {
            query.prepare(kSelectReports + QStringLiteral("AND id > ? ORDER BY id LIMIT ?"));
            for (const QVariant& v : QVariantList{machineid, machineid, last, page})
                query.addBindValue(v);
        }
        if (!query.exec()) {
            qWarning() << "MysqlDatadb::streamReports error:" << query.lastError().text();
            return false;
        }
        const QSqlRecord record = query.record();
        const int summaryColumn = record.indexOf(QStringLiteral("summary"));
        const int timeTextColumn = record.count() - 1;
        QVector<PanelChkRecord> rows;
        rows.reserve(page);
        while (query.next())
            rows.append(recordFromRow(query, summaryColumn, timeTextColumn, false));
        if (query.lastError().isValid()) {
            qWarning() << "MysqlDatadb::streamReports error:" << query.lastError().text();
            return false;
        }
        if (rows.isEmpty())
            return true;
        last = rows.last().id;
        left -= rows.size();
        const bool full = rows.size() == page;
        if (!push(std::move(rows)))
            return false;
        if (!full)
            return true;
    }
    return true;
}

bool MysqlDatadb::fetchReports(const char* caller, const QString& sql, const QVariantList& values,
                               QVector<PanelChkRecord>* out)
{
    MysqlConnect* conn = MysqlConnect::getInstance();
    if (!conn->open())
        return false;
    m_sqlDatabase = conn->database();
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    if (!conn->exec(query, sql, values)) {
        qWarning() << caller << "error:" << query.lastError().text();
        return false;
    }
    const QSqlRecord record = query.record();
    const int summaryColumn = record.indexOf(QStringLiteral("summary"));
    const int timeTextColumn = record.count() - 1;
    QVector<PanelChkRecord> rows;
    while (query.next())
        rows.append(recordFromRow(query, summaryColumn, timeTextColumn, true));
    // A link lost while the rows streamed in leaves them incomplete.
    if (query.lastError().isValid()) {
        qWarning() << caller << "error:" << query.lastError().text();
        return false;
    }
    if (out)
        *out += rows;
    return true;
}

PanelChkRecord MysqlDatadb::recordFromRow(const QSqlQuery& query, int summaryColumn, int timeTextColumn,
                                          bool withDateTime)
{
    PanelChkRecord r;
    r.id = query.value(ColId).toInt();
    if (withDateTime)
        r.chkdatetime = query.value(ColChkdatetime).toDateTime();
    // A zero date is no time at all.
    r.checkTime = query.value(timeTextColumn).toString();
    if (r.checkTime.startsWith(QLatin1String("0000")))
        r.checkTime = QString();
    r.Errcode = errcodeText(query.value(ColErrcode).toLongLong());
    r.machineid = query.value(ColMachineid).toString();
    r.panelid = query.value(ColPanelid).toInt();
    r.panelindex = query.value(ColPanelindex).toInt();
    r.panellot = query.value(ColPanellot).toInt();
    r.patientinfo = query.value(ColPatientinfo).toString();
    r.testresults = query.value(ColTestresults).toString();
    r.state = query.value(ColState).toInt();

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.patientinfo.toUtf8(), &error);
    const QString summary = summaryColumn >= 0 ? query.value(summaryColumn).toString() : QString();
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        qDebug() << "数据解析有误";
        r.testType = summary.contains(QLatin1String("(zk)")) ? 1 : 0;
        return r;
    }
    const QJsonObject patient = doc.object();
    r.speciesname = jsonText(patient.value(QStringLiteral("division")));
    r.animalsexname = jsonText(patient.value(QStringLiteral("sex")));
    r.QcLot = jsonText(patient.value(QStringLiteral("QcLot")));
    r.sampletypename = jsonText(patient.value(QStringLiteral("swatchType")));
    if (patient.value(QStringLiteral("Qc")).toBool())
        r.testType = 1;
    else
        r.testType = summary.contains(QLatin1String("(zk)")) ? 1 : 0;
    return r;
}
