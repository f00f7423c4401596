#include "Indexdb.h"

#include "SqlUtil.h"

#include <QDebug>
#include <QHash>
#include <QJsonParseError>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <functional>

namespace {

QSqlDatabase mainDb()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

// "?,?,?" for an "in (...)" list; the items are appended to the bound values.
template <class T>
QString placeholders(const QList<T>& items, QVariantList* values)
{
    QStringList marks;
    for (const T& item : items) {
        marks << QStringLiteral("?");
        *values << item;
    }
    return marks.join(QLatin1Char(','));
}

QString jsonText(const QJsonObject& obj, const char* key)
{
    const QJsonValue v = obj.value(QLatin1String(key));
    if (v.isString())
        return v.toString();
    if (v.isDouble()) {
        const double d = v.toDouble();
        return QString::number(d, 'g', 15);
    }
    if (v.isBool())
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString();
}

// Column reader by name, so that rows of older and newer schemas read alike. The column
// positions are looked up once per query.
class RowReader
{
public:
    explicit RowReader(const QSqlQuery& q) : m_query(q), m_record(q.record()) {}
    QVariant value(const char* name) const
    {
        auto it = m_index.constFind(name);
        if (it == m_index.constEnd())
            it = m_index.insert(name, m_record.indexOf(QLatin1String(name)));
        return it.value() < 0 ? QVariant() : m_query.value(it.value());
    }
    QString text(const char* name) const { return value(name).toString(); }
    int number(const char* name, int fallback) const
    {
        const QVariant v = value(name);
        bool ok = false;
        const int n = v.toInt(&ok);
        return ok ? n : fallback;
    }

private:
    const QSqlQuery& m_query;
    QSqlRecord m_record;
    mutable QHash<const char*, int> m_index;
};

// The columns of PanelChkResult that a result is read from.
enum ChkColumn {
    ColId, ColChkdatetime, ColMachineid, ColPanelid, ColPanelindex, ColPanellot, ColPatientinfo, ColTestresults,
    ColMastername, ColSpeciesname, ColAnimalsexname, ColSampletypename, ColSendinspectorname, ColSendinspectordate,
    ColSampletime, ColInspectorname, ColReviewername, ColClinicalinformation, ColRemark, ColState, ColErrcode,
    ColStatus, ColTestType, ColQcLot, ColAiResult, ChkColumnCount
};

const char* const kChkColumnNames[ChkColumnCount] = {
    "id", "chkdatetime", "machineid", "panelid", "panelindex", "panellot", "patientinfo", "testresults",
    "mastername", "speciesname", "animalsexname", "sampletypename", "sendinspectorname", "sendinspectordate",
    "sampletime", "inspectorname", "reviewername", "clinicalinformation", "remark", "state", "Errcode",
    "status", "testType", "QcLot", "aiResult"};

// Reads result rows by column position, the positions looked up by name once per query (a column
// that an older schema lacks reads as null).
class ChkRowReader
{
public:
    explicit ChkRowReader(const QSqlQuery& q) : m_query(q)
    {
        const QSqlRecord record = q.record();
        for (int c = 0; c < ChkColumnCount; ++c)
            m_pos[c] = record.indexOf(QLatin1String(kChkColumnNames[c]));
    }
    QVariant value(ChkColumn c) const { return m_pos[c] < 0 ? QVariant() : m_query.value(m_pos[c]); }
    QString text(ChkColumn c) const { return value(c).toString(); }
    int number(ChkColumn c, int fallback) const
    {
        const QVariant v = value(c);
        bool ok = false;
        const int n = v.toInt(&ok);
        return ok ? n : fallback;
    }

private:
    const QSqlQuery& m_query;
    int m_pos[ChkColumnCount];
};

// A stored date-time text and what it reads as.
struct ReadDateTime
{
    bool known = false;
    QString text;
    QDateTime value;
};

} // namespace

// What reading a result derives from its stored texts (the patient fields of the patient
// information and the three date-times), per result id. A reload reuses it for the texts that
// have not changed, since parsing them again would give the same.
struct Indexdb::DerivedRow
{
    QString patientinfo;
    bool patientinfoRead = false;
    bool patientinfoOk = false;
    QString age, name, division, number, sampleid, birthday;
    ReadDateTime chkdatetime, sendinspectordate, sampletime;
};

namespace {

QDateTime readDateTime(const QVariant& stored, const ReadDateTime* before, ReadDateTime* after)
{
    if (stored.type() != QVariant::String || stored.isNull())
        return dateTimeFromSql(stored);
    after->known = true;
    after->text = stored.toString();
    after->value = before && before->known && before->text == after->text ? before->value : dateTimeFromSql(stored);
    return after->value;
}

void readPatientInfo(PanelChkRecord* rec, const Indexdb::DerivedRow* before, Indexdb::DerivedRow* after)
{
    after->patientinfo = rec->patientinfo;
    after->patientinfoRead = true;
    if (before && before->patientinfoRead && before->patientinfo == rec->patientinfo) {
        after->patientinfoOk = before->patientinfoOk;
        after->age = before->age;
        after->name = before->name;
        after->division = before->division;
        after->number = before->number;
        after->sampleid = before->sampleid;
        after->birthday = before->birthday;
    } else {
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(rec->patientinfo.toUtf8(), &err);
        after->patientinfoOk = err.error == QJsonParseError::NoError && doc.isObject();
        if (after->patientinfoOk) {
            const QJsonObject info = doc.object();
            after->age = jsonText(info, "age");
            after->name = jsonText(info, "name");
            after->division = jsonText(info, "division");
            after->number = jsonText(info, "number");
            after->sampleid = jsonText(info, "id");
            after->birthday = jsonText(info, "birthday");
        }
    }
    if (!after->patientinfoOk) {
        qDebug() << "数据解析有误" << rec->id;
        return;
    }
    rec->age = after->age;
    rec->name = after->name;
    rec->division = after->division;
    rec->number = after->number;
    rec->sampleid = after->sampleid;
    rec->birthday = after->birthday;
}

// Reads one result row. `before` is what an earlier read of the same result derived (or null);
// `after` receives what this read derived.
PanelChkRecord readChkRecord(const ChkRowReader& r, const Indexdb::DerivedRow* before, Indexdb::DerivedRow* after)
{
    PanelChkRecord rec;
    rec.id = r.number(ColId, 0);
    rec.chkdatetime = readDateTime(r.value(ColChkdatetime), before ? &before->chkdatetime : nullptr,
                                   &after->chkdatetime);
    rec.machineid = r.text(ColMachineid);
    rec.panelid = r.number(ColPanelid, 0);
    rec.panelindex = r.number(ColPanelindex, 0);
    rec.panellot = r.number(ColPanellot, 0);
    rec.patientinfo = r.text(ColPatientinfo);
    rec.testresults = r.text(ColTestresults);
    rec.mastername = r.text(ColMastername);
    rec.speciesname = r.text(ColSpeciesname);
    rec.animalsexname = r.text(ColAnimalsexname);
    rec.sampletypename = r.text(ColSampletypename);
    rec.sendinspectorname = r.text(ColSendinspectorname);
    rec.sendinspectordate = readDateTime(r.value(ColSendinspectordate),
                                         before ? &before->sendinspectordate : nullptr, &after->sendinspectordate);
    rec.sampletime = readDateTime(r.value(ColSampletime), before ? &before->sampletime : nullptr, &after->sampletime);
    rec.inspectorname = r.text(ColInspectorname);
    rec.reviewername = r.text(ColReviewername);
    rec.clinicalinformation = r.text(ColClinicalinformation);
    rec.remark = r.text(ColRemark);
    rec.state = r.number(ColState, 1);
    rec.Errcode = r.text(ColErrcode);
    rec.status = r.number(ColStatus, 1);
    rec.testType = r.number(ColTestType, 0);
    rec.QcLot = r.text(ColQcLot);
    rec.aiResult = r.text(ColAiResult);
    readPatientInfo(&rec, before, after);
    return rec;
}

PanelQcResult readQcResult(const RowReader& r)
{
    PanelQcResult rec;
    rec.id = r.number("id", -1);
    rec.QcProduct = r.number("QcProduct", -1);
    rec.panelid = r.number("panelid", -1);
    rec.panelindex = r.number("panelindex", -1);
    rec.panellot = r.text("panellot");
    rec.machineid = r.text("machineid");
    rec.inspectorname = r.text("inspectorname");
    rec.reviewername = r.text("reviewername");
    rec.QcLot = r.text("QcLot");
    rec.division = r.text("division");
    rec.chkdatetime = dateTimeFromSql(r.value("chkdatetime"));
    rec.result = r.text("result");
    rec.Errcode = r.text("Errcode");
    rec.patientinfo = r.text("patientinfo");
    return rec;
}

// Runs a prepared select of results and appends them. With `memo`, what earlier reads derived is
// reused for unchanged rows and the memo is left holding this read's rows.
bool runChkSelect(QSqlQuery& query, const char* where, QVector<PanelChkRecord>* out,
                  QHash<int, Indexdb::DerivedRow>* memo = nullptr)
{
    if (!query.exec()) {
        logSqlError(where, query);
        return false;
    }
    if (!out)
        return true;
    const ChkRowReader reader(query);
    QHash<int, Indexdb::DerivedRow> next;
    if (memo)
        next.reserve(memo->size());
    Indexdb::DerivedRow derived;
    while (query.next()) {
        const Indexdb::DerivedRow* before = nullptr;
        if (memo) {
            const auto it = memo->constFind(reader.number(ColId, 0));
            if (it != memo->constEnd())
                before = &it.value();
        }
        derived = Indexdb::DerivedRow();
        out->append(readChkRecord(reader, before, &derived));
        if (memo)
            next.insert(out->constLast().id, derived);
    }
    if (memo)
        memo->swap(next);
    return true;
}

// Runs a prepared select of QC results and appends them.
bool runQcSelect(QSqlQuery& query, const char* where, QVector<PanelQcResult>* out)
{
    if (!query.exec()) {
        logSqlError(where, query);
        return false;
    }
    if (out) {
        const RowReader reader(query);
        while (query.next())
            out->append(readQcResult(reader));
    }
    return true;
}

// Binds the stored fields of a QC result in the order of the insert and update statements.
void bindQcFields(QSqlQuery& query, const PanelQcResult& r)
{
    query.addBindValue(sqlDateTime(r.chkdatetime));
    query.addBindValue(r.QcProduct);
    query.addBindValue(r.QcLot);
    query.addBindValue(r.division);
    query.addBindValue(r.result);
    query.addBindValue(r.panelid);
    query.addBindValue(r.panelindex);
    query.addBindValue(r.panellot);
    query.addBindValue(r.machineid);
    query.addBindValue(r.inspectorname);
    query.addBindValue(r.reviewername);
    query.addBindValue(r.Errcode);
    query.addBindValue(r.patientinfo);
}

// Runs one prepared statement per id inside a transaction; everything or nothing.
bool updateEach(const char* where, const QString& sql, const QList<int>& ids, int value)
{
    QSqlDatabase db = mainDb();
    const bool own = db.isOpen() && db.transaction();
    QSqlQuery query(db);
    bool ok = query.prepare(sql);
    if (!ok)
        logSqlError(where, query);
    for (int i = 0; ok && i < ids.size(); ++i) {
        query.bindValue(0, value);
        query.bindValue(1, ids.at(i));
        if (!query.exec()) {
            logSqlError(where, query);
            ok = false;
        }
    }
    query.finish();
    if (own) {
        if (ok && !db.commit()) {
            logSqlError(where, QStringLiteral("COMMIT"), db);
            ok = false;
        }
        if (!ok)
            db.rollback();
    }
    return ok;
}

} // namespace

Indexdb::Indexdb(QObject* parent) : QObject(parent)
{
    registerPanelQcResultType();
}

Indexdb::~Indexdb() = default;

bool Indexdb::insertData(PanelChkRecord& record)
{
    QSqlQuery query(m_sqlDatabase);
    query.prepare(QStringLiteral(
        "insert into PanelChkResult (chkdatetime, machineid, panelid, panelindex, panellot, patientinfo, "
        "testresults, mastername, speciesname, animalsexname, sampletypename, sendinspectorname, "
        "sendinspectordate, inspectorname, reviewername, clinicalinformation, remark, state, Errcode, status, "
        "sampletime, testType, QcLot, birthday) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    query.addBindValue(sqlDateTime(record.chkdatetime));
    query.addBindValue(record.machineid);
    query.addBindValue(record.panelid);
    query.addBindValue(record.panelindex);
    query.addBindValue(record.panellot);
    query.addBindValue(record.patientinfo);
    query.addBindValue(record.testresults);
    query.addBindValue(record.mastername);
    query.addBindValue(record.speciesname);
    query.addBindValue(record.animalsexname);
    query.addBindValue(record.sampletypename);
    query.addBindValue(record.sendinspectorname);
    query.addBindValue(sqlDateTime(record.sendinspectordate));
    query.addBindValue(record.inspectorname);
    query.addBindValue(record.reviewername);
    query.addBindValue(record.clinicalinformation);
    query.addBindValue(record.remark);
    query.addBindValue(record.state);
    query.addBindValue(record.Errcode);
    query.addBindValue(record.status);
    query.addBindValue(sqlDateTime(record.sampletime));
    query.addBindValue(record.testType);
    query.addBindValue(record.QcLot);
    query.addBindValue(record.birthday);
    if (!query.exec()) {
        logSqlError("Indexdb::insertData", query);
        return false;
    }
    return true;
}

bool Indexdb::insertQcResult(PanelQcResult& record)
{
    QSqlQuery query(m_sqlDatabase);
    query.prepare(QStringLiteral(
        "insert into PanelQcResult ('chkdatetime','QcProduct','QcLot','division','result','panelid','panelindex',"
        "'panellot','machineid','inspectorname','reviewername','show','Errcode','patientinfo') "
        "values(?,?,?,?,?,?,?,?,?,?,?,1,?,?)"));
    bindQcFields(query, record);
    if (!query.exec()) {
        logSqlError("Indexdb::insertQcResult", query);
        return false;
    }
    return true;
}

bool Indexdb::queryAllByMachine(const QueryFilter& filter, QVector<PanelChkRecord>* out)
{
    QSqlQuery query(m_sqlDatabase);
    QString sql = QStringLiteral("select * from PanelChkResult where 1=1 ");
    if (!filter.machineid.isEmpty())
        sql += QStringLiteral(" and machineid = ?");
    sql += QStringLiteral(" order by id");
    query.prepare(sql);
    if (!filter.machineid.isEmpty())
        query.addBindValue(filter.machineid);
    return runChkSelect(query, "Indexdb::queryAllByMachine", out);
}

bool Indexdb::queryById(const QString& id, QVector<PanelChkRecord>* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.prepare(QStringLiteral("select * from PanelChkResult where id=? and state = 1 and status=1"));
    bool isNumber = false;
    const qlonglong n = id.trimmed().toLongLong(&isNumber);
    query.addBindValue(isNumber ? QVariant(n) : QVariant(id));
    return runChkSelect(query, "Indexdb::queryById", out);
}

bool Indexdb::updateData(PanelChkRecord record)
{
    QSqlQuery query(m_sqlDatabase);
    query.prepare(QStringLiteral(
        "update panelChkResult set chkdatetime=:chkdatetime,patientinfo=:patientinfo,mastername=:mastername,"
        "speciesname=:speciesname,animalsexname=:animalsexname,sampletypename=:sampletypename,"
        "sendinspectorname=:sendinspectorname,sendinspectordate=:sendinspectordate,inspectorname=:inspectorname,"
        "reviewername=:reviewername,clinicalinformation=:clinicalinformation,remark=:remark,"
        "testresults=:testresults,state = :state,Errcode=:Errcode,sampletime=:sampletime ,aiResult=:aiResult "
        "WHERE id =:id"));
    query.bindValue(QStringLiteral(":chkdatetime"), sqlDateTime(record.chkdatetime));
    query.bindValue(QStringLiteral(":patientinfo"), record.patientinfo);
    query.bindValue(QStringLiteral(":mastername"), record.mastername);
    query.bindValue(QStringLiteral(":speciesname"), record.speciesname);
    query.bindValue(QStringLiteral(":animalsexname"), record.animalsexname);
    query.bindValue(QStringLiteral(":sampletypename"), record.sampletypename);
    query.bindValue(QStringLiteral(":sendinspectorname"), record.sendinspectorname);
    query.bindValue(QStringLiteral(":sendinspectordate"), sqlDateTime(record.sendinspectordate));
    query.bindValue(QStringLiteral(":inspectorname"), record.inspectorname);
    query.bindValue(QStringLiteral(":reviewername"), record.reviewername);
    query.bindValue(QStringLiteral(":clinicalinformation"), record.clinicalinformation);
    query.bindValue(QStringLiteral(":remark"), record.remark);
    query.bindValue(QStringLiteral(":testresults"), record.testresults);
    query.bindValue(QStringLiteral(":state"), record.state);
    query.bindValue(QStringLiteral(":Errcode"), record.Errcode);
    query.bindValue(QStringLiteral(":sampletime"), sqlDateTime(record.sampletime));
    query.bindValue(QStringLiteral(":aiResult"), record.aiResult);
    query.bindValue(QStringLiteral(":id"), record.id);
    if (!query.exec()) {
        logSqlError("Indexdb::updateData", query);
        return false;
    }
    if (query.numRowsAffected() < 1) {
        qDebug() << "Indexdb::updateData no row" << record.id;
        return false;
    }
    return true;
}

bool Indexdb::queryLive(QVector<PanelChkRecord>* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "select * from PanelChkResult where state = 1 and status=1 ORDER BY chkdatetime DESC, id DESC"));
    return runChkSelect(query, "Indexdb::queryLive", out, &m_liveRows);
}

namespace {

const char* const kListColumns = "id, chkdatetime, machineid, panelid, patientinfo, speciesname, animalsexname";
const char* const kListOrder = " ORDER BY chkdatetime DESC, id DESC";

// The conditions of a result search, appended to a where clause, with their values.
void appendFilter(const QueryFilter& f, QString* sql, QVariantList* values)
{
    // Older files hold check times in ISO form ("2024-05-09T08:00:00.000"): compare them in this
    // store's form, to the second, or a result of the last day would fall outside "<= 23:59:59".
    const QString storedTime = QStringLiteral("substr(replace(chkdatetime, 'T', ' '), 1, 19)");
    if (f.startchkdate.isValid()) {
        *sql += QStringLiteral(" and ") + storedTime + QStringLiteral(" >= ?");
        *values << sqlDateTime(f.startchkdate);
    }
    if (f.endchkdate.isValid()) {
        *sql += QStringLiteral(" and ") + storedTime + QStringLiteral(" <= ?");
        *values << sqlDateTime(f.endchkdate);
    }
    for (const QString* text : {&f.sampleid, &f.patientinfoname, &f.patientinfoid}) {
        if (text->isEmpty())
            continue;
        *sql += QStringLiteral(" and patientinfo like ? escape '\\'");
        *values << QString(QLatin1Char('%') + likeEscaped(*text) + QLatin1Char('%'));
    }
    if (!f.speciesname.isEmpty()) {
        QStringList names{f.speciesname};
        for (const QString& name : f.speciesnames) {
            if (!name.isEmpty() && !names.contains(name))
                names << name;
        }
        *sql += QStringLiteral(" and speciesname in (") + placeholders(names, values) + QLatin1Char(')');
    }
    if (!f.projectname.isEmpty()) {
        // The code as a whole JSON string, so that "P" does not find "TP".
        *sql += QStringLiteral(" and testresults like ? escape '\\'");
        *values << QString(QStringLiteral("%\"") + likeEscaped(f.projectname) + QStringLiteral("\"%"));
    }
    if (!f.machineid.isEmpty()) {
        *sql += QStringLiteral(" and machineid = ?");
        *values << f.machineid;
    }
}

// Runs a select of list columns and appends the records with their stored check times.
bool runListSelect(QSqlQuery& query, const char* where, const QVariantList& values, QVector<PanelChkRecord>* out,
                   QVector<QVariant>* keys)
{
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec()) {
        if (where)
            logSqlError(where, query);
        return false;
    }
    const ChkRowReader reader(query);
    Indexdb::DerivedRow derived;
    while (query.next()) {
        derived = Indexdb::DerivedRow();
        out->append(readChkRecord(reader, nullptr, &derived));
        keys->append(reader.value(ColChkdatetime));
    }
    return true;
}

} // namespace

bool Indexdb::queryByFilter(const QueryFilter& f, QVector<PanelChkRecord>* out)
{
    QString sql = QStringLiteral("select * from PanelChkResult where state = 1 and status=1");
    QVariantList values;
    appendFilter(f, &sql, &values);
    sql += QLatin1String(kListOrder);
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& v : qAsConst(values))
        query.addBindValue(v);
    return runChkSelect(query, "Indexdb::queryByFilter", out);
}

namespace {

// Runs the selects of one keyset page, newest first: rows with a check time from the key on (an
// index on the check time gives them in order), then rows without one, by id. `head` selects
// the columns and holds the where clause, `conditions` and `common` narrow it; `read` runs a
// query with its values and appends what it gives to `out`.
template <typename Rows>
bool selectKeysetPage(QSqlDatabase& db, const char* where, const QString& head, const QString& conditions,
                      const QVariantList& common, const Indexdb::ListKey* after, int limit, Rows* out,
                      const std::function<bool(QSqlQuery&, const QVariantList&)>& read)
{
    const int before = out->size();
    const auto run = [&](const QString& sql, const QVariantList& values) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(sql);
        if (read(query, values))
            return true;
        logSqlError(where, query);
        return false;
    };
    if (!after || !after->chkdatetime.isNull()) {
        QString sql = head + conditions + QStringLiteral(" and chkdatetime is not null");
        QVariantList values = common;
        if (after) {
            sql += QStringLiteral(" and chkdatetime <= ? and (chkdatetime < ? or id < ?)");
            values << after->chkdatetime << after->chkdatetime << after->id;
        }
        sql += QLatin1String(kListOrder) + QStringLiteral(" limit ?");
        values << limit;
        if (!run(sql, values))
            return false;
    }
    const int left = limit - (out->size() - before);
    if (left <= 0)
        return true;
    QString sql = head + conditions + QStringLiteral(" and chkdatetime is null");
    QVariantList values = common;
    if (after && after->chkdatetime.isNull()) {
        sql += QStringLiteral(" and id < ?");
        values << after->id;
    }
    sql += QStringLiteral(" ORDER BY id DESC limit ?");
    values << left;
    return run(sql, values);
}

} // namespace

bool Indexdb::queryListPage(const QueryFilter* filter, const ListKey* after, int limit,
                            QVector<PanelChkRecord>* out, QVector<QVariant>* keys)
{
    const QString head = QStringLiteral("select %1 from PanelChkResult where state = 1 and status = 1")
                             .arg(QLatin1String(kListColumns));
    QVariantList common;
    QString conditions;
    if (filter)
        appendFilter(*filter, &conditions, &common);
    return selectKeysetPage(m_sqlDatabase, "Indexdb::queryListPage", head, conditions, common, after, limit, out,
                            [&](QSqlQuery& query, const QVariantList& values) {
                                return runListSelect(query, nullptr, values, out, keys);
                            });
}

bool Indexdb::queryListRows(const QList<int>& ids, QVector<PanelChkRecord>* out, QVector<QVariant>* keys)
{
    if (ids.isEmpty())
        return true;
    QVariantList values;
    const QString marks = placeholders(ids, &values);
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    // "+state": found by id, not through the list's index.
    query.prepare(QStringLiteral("select %1 from PanelChkResult where +state = 1 and +status = 1 and id in (%2)")
                      .arg(QLatin1String(kListColumns), marks));
    return runListSelect(query, "Indexdb::queryListRows", values, out, keys);
}

bool Indexdb::queryListRowsAbove(int id, QVector<PanelChkRecord>* out, QVector<QVariant>* keys)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    // "+state": a range of ids, not a walk through the list's index.
    query.prepare(QStringLiteral("select %1 from PanelChkResult where id > ? and +state = 1 and +status = 1")
                      .arg(QLatin1String(kListColumns)));
    return runListSelect(query, "Indexdb::queryListRowsAbove", {id}, out, keys);
}

int Indexdb::maxResultId()
{
    QSqlQuery query(m_sqlDatabase);
    if (!query.exec(QStringLiteral("select ifnull(max(id), 0) from PanelChkResult")) || !query.next()) {
        logSqlError("Indexdb::maxResultId", query);
        return -1;
    }
    return query.value(0).toInt();
}

int Indexdb::countByMachine(const QString& machineId)
{
    QSqlQuery query(m_sqlDatabase);
    // A QC run moved to the QC table at start-up stays behind with status 0 and its results:
    // count it once. (A run without results is never listed, hence never moved.) Each count
    // reads an index alone: every row of the machine, the moved runs, the QC table's rows.
    query.prepare(QStringLiteral("select (select count(*) from PanelChkResult where machineid = ?) - "
                                 "(select count(*) from PanelChkResult where machineid = ? and "
                                 "ifnull(testType, 0) = 1 and ifnull(status, 1) = 0 "
                                 "and ifnull(testresults, '') <> '') + "
                                 "(select count(*) from PanelQcResult where machineid = ?)"));
    query.addBindValue(machineId);
    query.addBindValue(machineId);
    query.addBindValue(machineId);
    if (!query.exec() || !query.next()) {
        logSqlError("Indexdb::countByMachine", query);
        return -1;
    }
    return query.value(0).toInt();
}

bool Indexdb::setState(const QList<int>& ids, int state)
{
    return updateEach("Indexdb::setState", QStringLiteral("update PanelChkResult set state = ? where id = ?"), ids,
                      state);
}

bool Indexdb::queryByState(int state, QVector<PanelChkRecord>* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "select * from PanelChkResult where state = ? and status=1 ORDER BY chkdatetime DESC, id DESC"));
    query.addBindValue(state);
    return runChkSelect(query, "Indexdb::queryByState", out);
}

namespace {

const char* const kQcListColumns = "id, chkdatetime, QcProduct, QcLot, division, machineid";

// The conditions of a QC search, appended to a where clause, with their values.
void appendQcFilter(const QcQueryFilter& f, QString* sql, QVariantList* values)
{
    if (f.id >= 0) {
        *sql += QStringLiteral(" and id = ?");
        *values << f.id;
    }
    if (f.QcProduct >= 0) {
        *sql += QStringLiteral(" and QcProduct = ?");
        *values << f.QcProduct;
    }
    if (!f.QcLot.isEmpty()) {
        *sql += QStringLiteral(" and QcLot = ?");
        *values << f.QcLot;
    }
    if (!f.division.isEmpty()) {
        *sql += QStringLiteral(" and division = ?");
        *values << f.division;
    }
    if (!f.machineid.isEmpty()) {
        *sql += QStringLiteral(" and machineid = ?");
        *values << f.machineid;
    }
    if (!f.m_projectName.isEmpty()) {
        *sql += QStringLiteral(" and result like ? escape '\\'");
        *values << QString(QStringLiteral("%\"") + likeEscaped(f.m_projectName) + QStringLiteral("\"%"));
    }
    if (f.m_useStartChkDatetime) {
        *sql += QStringLiteral(" and chkdatetime >= ?");
        *values << sqlDateTime(f.m_startChkDatetime);
    }
    if (f.m_useEndChkDatetime) {
        *sql += QStringLiteral(" and chkdatetime < ?");
        *values << sqlDateTime(f.m_endChkDatetime);
    }
}

// Runs a select of QC list columns and appends the results with their stored check times.
bool runQcListSelect(QSqlQuery& query, const QVariantList& values, QVector<PanelQcResult>* out,
                     QVector<QVariant>* keys)
{
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        return false;
    const RowReader reader(query);
    while (query.next()) {
        out->append(readQcResult(reader));
        keys->append(reader.value("chkdatetime"));
    }
    return true;
}

} // namespace

bool Indexdb::queryQc(const QcQueryFilter& f, QVector<PanelQcResult>* out)
{
    QString sql = QStringLiteral("select * from PanelQcResult where \"show\" = 1");
    QVariantList values;
    appendQcFilter(f, &sql, &values);
    sql += QLatin1String(kListOrder);
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& v : qAsConst(values))
        query.addBindValue(v);
    return runQcSelect(query, "Indexdb::queryQc", out);
}

bool Indexdb::queryQcListPage(const QcQueryFilter* filter, const ListKey* after, int limit,
                              QVector<PanelQcResult>* out, QVector<QVariant>* keys)
{
    const QString head = QStringLiteral("select %1 from PanelQcResult where \"show\" = 1")
                             .arg(QLatin1String(kQcListColumns));
    QVariantList common;
    QString conditions;
    if (filter)
        appendQcFilter(*filter, &conditions, &common);
    return selectKeysetPage(m_sqlDatabase, "Indexdb::queryQcListPage", head, conditions, common, after, limit, out,
                            [&](QSqlQuery& query, const QVariantList& values) {
                                return runQcListSelect(query, values, out, keys);
                            });
}

bool Indexdb::queryQcListRowsAbove(int id, QVector<PanelQcResult>* out, QVector<QVariant>* keys)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    // "+show": a range of ids, not a walk through the list's index.
    query.prepare(QStringLiteral("select %1 from PanelQcResult where id > ? and +\"show\" = 1")
                      .arg(QLatin1String(kQcListColumns)));
    if (!runQcListSelect(query, {id}, out, keys)) {
        logSqlError("Indexdb::queryQcListRowsAbove", query);
        return false;
    }
    return true;
}

int Indexdb::maxQcId()
{
    QSqlQuery query(m_sqlDatabase);
    if (!query.exec(QStringLiteral("select ifnull(max(id), 0) from PanelQcResult")) || !query.next()) {
        logSqlError("Indexdb::maxQcId", query);
        return -1;
    }
    return query.value(0).toInt();
}

bool Indexdb::queryQcListRows(const QList<int>& ids, QVector<PanelQcResult>* out, QVector<QVariant>* keys)
{
    if (ids.isEmpty())
        return true;
    QVariantList values;
    const QString marks = placeholders(ids, &values);
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    // "+show": found by id, not through the list's index.
    query.prepare(QStringLiteral("select %1 from PanelQcResult where +\"show\" = 1 and id in (%2)")
                      .arg(QLatin1String(kQcListColumns), marks));
    if (!runQcListSelect(query, values, out, keys)) {
        logSqlError("Indexdb::queryQcListRows", query);
        return false;
    }
    return true;
}

bool Indexdb::queryQcById(int id, PanelQcResult* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.prepare(QStringLiteral("select * from PanelQcResult where id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        logSqlError("Indexdb::queryQcById", query);
        return false;
    }
    if (!query.next())
        return false;
    if (out)
        *out = readQcResult(RowReader(query));
    return true;
}

bool Indexdb::queryQcHidden(QVector<PanelQcResult>* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select * from PanelQcResult where \"show\" = 0 ORDER BY chkdatetime DESC, id DESC"));
    return runQcSelect(query, "Indexdb::queryQcHidden", out);
}

bool Indexdb::setQcShow(const QList<int>& ids, int show)
{
    return updateEach("Indexdb::setQcShow", QStringLiteral("update PanelQcResult set \"show\" = ? where id = ?"),
                      ids, show);
}

bool Indexdb::updateQcResult(const PanelQcResult& r)
{
    QSqlQuery query(m_sqlDatabase);
    query.prepare(QStringLiteral(
        "update PanelQcResult set chkdatetime=?, QcProduct=?, QcLot=?, division=?, result=?, panelid=?, "
        "panelindex=?, panellot=?, machineid=?, inspectorname=?, reviewername=?, Errcode=?, patientinfo=? "
        "where id=?"));
    bindQcFields(query, r);
    query.addBindValue(r.id);
    if (!query.exec()) {
        logSqlError("Indexdb::updateQcResult", query);
        return false;
    }
    if (query.numRowsAffected() < 1) {
        qDebug() << "Indexdb::updateQcResult no row" << r.id;
        return false;
    }
    return true;
}

bool Indexdb::liveMachineIds(QStringList* out)
{
    QSqlQuery query(m_sqlDatabase);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select distinct machineid from PanelChkResult where state = 1 and status=1 "
                                   "and ifnull(machineid, '') <> '' order by machineid"))) {
        logSqlError("Indexdb::liveMachineIds", query);
        return false;
    }
    while (query.next())
        out->append(query.value(0).toString());
    return true;
}

bool Indexdb::liveCheckTimeRange(QDateTime* oldest, QDateTime* newest)
{
    *oldest = QDateTime();
    *newest = QDateTime();
    QSqlQuery query(m_sqlDatabase);
    // Older files hold ISO check times ("2024-05-09T08:00:00.000"): compare them in one form.
    const QString stored = QStringLiteral("substr(replace(chkdatetime, 'T', ' '), 1, 19)");
    if (!query.exec(QStringLiteral("select min(%1), max(%1) from PanelChkResult where state = 1 and status=1 "
                                   "and ifnull(chkdatetime, '') <> ''").arg(stored))
        || !query.next()) {
        logSqlError("Indexdb::liveCheckTimeRange", query);
        return false;
    }
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    *oldest = QDateTime::fromString(query.value(0).toString(), format);
    *newest = QDateTime::fromString(query.value(1).toString(), format);
    return true;
}
