#include "AnalyzerSimulator.h"

#include "ResultGenerator.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

AnalyzerSimulator::AnalyzerSimulator(const Options& options) : m_opt(options), m_generated(qMax(0, options.count))
{
    reloadFile();
}

void AnalyzerSimulator::log(const QString& line)
{
    if (m_log)
        m_log(line);
}

void AnalyzerSimulator::reloadFile()
{
    if (m_opt.resultsFile.isEmpty())
        return;
    const QFileInfo fi(m_opt.resultsFile);
    if (!fi.exists()) {
        if (m_fileSize != -1)
            log(QStringLiteral("results file %1 is gone; keeping %2 results").arg(m_opt.resultsFile).arg(m_fileResults.size()));
        m_fileSize = -1;
        return;
    }
    if (fi.lastModified() == m_fileStamp && fi.size() == m_fileSize)
        return;
    QFile f(m_opt.resultsFile);
    if (!f.open(QIODevice::ReadOnly)) {
        log(QStringLiteral("cannot read %1").arg(m_opt.resultsFile));
        return;
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &err);
    QJsonArray arr;
    if (doc.isArray())
        arr = doc.array();
    else if (doc.isObject() && doc.object().value(QStringLiteral("results")).isArray())
        arr = doc.object().value(QStringLiteral("results")).toArray();
    else {
        // A file being written may be incomplete; try again at the next command.
        log(QStringLiteral("results file %1 is not a JSON array (%2); keeping %3 results")
                .arg(m_opt.resultsFile, err.errorString())
                .arg(m_fileResults.size()));
        return;
    }
    m_fileStamp = fi.lastModified();
    m_fileSize = fi.size();
    m_fileResults.clear();
    for (const QJsonValue& v : arr)
        if (v.isObject())
            m_fileResults.append(v.toObject());
    log(QStringLiteral("read %1 results from %2").arg(m_fileResults.size()).arg(m_opt.resultsFile));
}

int AnalyzerSimulator::resultCount()
{
    QMutexLocker lock(&m_mutex);
    reloadFile();
    return totalLocked();
}

QJsonObject AnalyzerSimulator::recordLocked(int rowid)
{
    if (rowid < 1 || rowid > totalLocked())
        return QJsonObject();
    QJsonObject rec;
    if (rowid <= m_fileResults.size()) {
        rec = m_fileResults.at(rowid - 1);
        if (!rec.contains(QStringLiteral("machineid")))
            rec.insert(QStringLiteral("machineid"), m_opt.machineId);
    } else {
        rec = ResultGenerator::make(m_opt.seed, rowid - m_fileResults.size(), rowid, m_opt.machineId);
    }
    rec.insert(QStringLiteral("rowid"), rowid);
    return rec;
}

QJsonObject AnalyzerSimulator::result(int rowid)
{
    QMutexLocker lock(&m_mutex);
    reloadFile();
    return recordLocked(rowid);
}

QJsonArray AnalyzerSimulator::results()
{
    QMutexLocker lock(&m_mutex);
    reloadFile();
    QJsonArray out;
    for (int i = 1; i <= totalLocked(); ++i)
        out.append(recordLocked(i));
    return out;
}

void AnalyzerSimulator::addGenerated(int n)
{
    QMutexLocker lock(&m_mutex);
    m_generated += qMax(0, n);
    log(QStringLiteral("now %1 results").arg(totalLocked()));
}

void AnalyzerSimulator::setSilent(bool silent)
{
    QMutexLocker lock(&m_mutex);
    m_silent = silent;
    log(silent ? QStringLiteral("silent: no more answers") : QStringLiteral("answering again"));
}

bool AnalyzerSimulator::isSilent()
{
    QMutexLocker lock(&m_mutex);
    return m_silent;
}

QVector<SimAction> AnalyzerSimulator::receive(const QByteArray& bytes)
{
    QMutexLocker lock(&m_mutex);
    QVector<SimAction> out;
    m_decoder.feed(bytes);
    QByteArray payload;
    while (m_decoder.takeFrame(&payload)) {
        if (m_silent) {
            log(QStringLiteral("<- %1 (silent; no answer)").arg(QString::fromUtf8(payload.left(80))));
            continue;
        }
        out += handle(payload);
    }
    return out;
}

QVector<SimAction> AnalyzerSimulator::handle(const QByteArray& payload)
{
    if (payload == "**AA##") {
        if (m_cursor <= 0 || m_cursor >= m_endId) {
            log(QStringLiteral("<- **AA## (nothing more to send)"));
            return {};
        }
        log(QStringLiteral("<- **AA##"));
        ++m_cursor;
        return reply(QStringLiteral("ReResultQuery"), QJsonObject{{"Result", recordLocked(m_cursor)}}, m_cursor);
    }
    const QJsonDocument doc = QJsonDocument::fromJson(payload);
    if (!doc.isObject()) {
        log(QStringLiteral("<- not JSON: %1").arg(QString::fromUtf8(payload.left(80))));
        return {};
    }
    const QJsonObject cmd = doc.object();
    const QString name = cmd.value(QStringLiteral("CMD")).toString();
    log(QStringLiteral("<- %1").arg(QString::fromUtf8(payload)));
    if (cmd.contains(QStringLiteral("MachineID")) && name != QLatin1String("MachineID")
        && cmd.value(QStringLiteral("MachineID")).toVariant().toString() != m_opt.machineId) {
        log(QStringLiteral("   not my machine id; no answer"));
        return {};
    }
    if (name == QLatin1String("MachineID"))
        return reply(QStringLiteral("ReMachineID"), QJsonObject(), 0);
    if (name == QLatin1String("ResultSize")) {
        reloadFile();
        return reply(QStringLiteral("ReResultSize"), QJsonObject{{"ResultSize", totalLocked()}}, 0);
    }
    if (name == QLatin1String("ResultQuery")) {
        reloadFile();
        const int total = totalLocked();
        const int start = cmd.value(QStringLiteral("StartID")).toVariant().toInt();
        int end = cmd.contains(QStringLiteral("EndID")) ? cmd.value(QStringLiteral("EndID")).toVariant().toInt() : total;
        end = qMin(end, total);
        if (start < 1 || start > end) {
            log(QStringLiteral("   range %1..%2 outside 1..%3; no answer").arg(start).arg(end).arg(total));
            return {};
        }
        m_cursor = start;
        m_endId = end;
        return reply(QStringLiteral("ReResultQuery"), QJsonObject{{"Result", recordLocked(start)}}, start);
    }
    log(QStringLiteral("   unknown command; no answer"));
    return {};
}

QVector<SimAction> AnalyzerSimulator::reply(const QString& name, const QJsonObject& body, int rowid)
{
    QJsonObject msg = body;
    msg.insert(QStringLiteral("CMD"), name);
    msg.insert(QStringLiteral("MachineID"), m_opt.machineId);
    const QByteArray payload = QJsonDocument(msg).toJson(QJsonDocument::Compact);

    const int nthKind = ++m_repliesByKind[name];
    const int nthAll = ++m_repliesTotal;
    const QVector<FaultPlan::Rule> faults = m_opt.faults.take(name, nthKind, nthAll, rowid);

    QString what = name;
    if (rowid > 0)
        what += QStringLiteral(" rowid=%1").arg(rowid);
    else if (name == QLatin1String("ReResultSize"))
        what += QStringLiteral(" %1").arg(msg.value(QStringLiteral("ResultSize")).toInt());

    QVector<SimAction> out;
    QByteArray frame = FrameCodec::encode(payload);
    bool split = false;
    for (const FaultPlan::Rule& f : faults) {
        switch (f.kind) {
        case FaultPlan::Drop:
            log(QStringLiteral("-> %1 DROPPED").arg(what));
            return {};
        case FaultPlan::Hangup:
            log(QStringLiteral("-> HANG UP instead of %1").arg(what));
            return {SimAction{SimAction::Hangup, {}, 0}};
        case FaultPlan::Delay:
            out.append(SimAction{SimAction::Pause, {}, f.delayMs});
            what += QStringLiteral(" (after %1 ms)").arg(f.delayMs);
            break;
        case FaultPlan::Corrupt:
            frame[frame.size() - 1] = char(frame.at(frame.size() - 1) ^ 0x5A);
            what += QStringLiteral(" (bad check byte)");
            break;
        case FaultPlan::Noise:
            frame.prepend(QByteArray("\x00\x13noise\xAD\x7C\xEF", 10));
            what += QStringLiteral(" (noise first)");
            break;
        case FaultPlan::Split:
            split = true;
            break;
        }
    }
    if (split && frame.size() > 12) {
        // Cut inside the header and inside the payload.
        const int a = 6, b = 8 + (frame.size() - 9) / 2;
        out.append(SimAction{SimAction::Write, frame.left(a), 0});
        out.append(SimAction{SimAction::Pause, {}, m_opt.splitPauseMs});
        out.append(SimAction{SimAction::Write, frame.mid(a, b - a), 0});
        out.append(SimAction{SimAction::Pause, {}, m_opt.splitPauseMs});
        out.append(SimAction{SimAction::Write, frame.mid(b), 0});
        what += QStringLiteral(" (split in 3)");
    } else {
        out.append(SimAction{SimAction::Write, frame, 0});
    }
    log(QStringLiteral("-> %1").arg(what));
    return out;
}
