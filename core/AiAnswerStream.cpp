#include "AiAnswerStream.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

QString AiAnswerStream::feed(const QByteArray& bytes)
{
    if (m_state != Reading)
        return QString();
    m_received += bytes.size();
    if (m_received > MaxBytes) {
        m_state = Malformed;
        m_pending.clear();
        return QString();
    }
    m_pending += bytes;
    QString added;
    int start = 0;
    for (int end = m_pending.indexOf('\n'); end >= 0 && m_state == Reading; end = m_pending.indexOf('\n', start)) {
        added += readLine(m_pending.mid(start, end - start));
        start = end + 1;
    }
    m_pending.remove(0, start);
    if (m_state != Reading)
        m_pending.clear();
    return added;
}

QString AiAnswerStream::finish()
{
    if (m_state != Reading || m_pending.isEmpty())
        return QString();
    const QByteArray last = m_pending;
    m_pending.clear();
    return readLine(last);
}

QString AiAnswerStream::readLine(const QByteArray& line)
{
    if (line.trimmed().isEmpty())
        return QString();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        m_state = Malformed;
        return QString();
    }
    const QJsonObject o = doc.object();
    if (o.contains(QLatin1String("error"))) {
        const QJsonValue message = o.value(QLatin1String("error"));
        m_error = message.isString() ? message.toString() : QString::fromUtf8(line.trimmed());
        m_state = ServerError;
        return QString();
    }
    if (o.contains(QLatin1String("text"))) {
        const QJsonValue piece = o.value(QLatin1String("text"));
        if (!piece.isString()) {
            m_state = Malformed;
            return QString();
        }
        m_text += piece.toString();
        if (o.value(QLatin1String("done")).toBool())
            m_state = Complete;
        return piece.toString();
    }
    if (o.value(QLatin1String("done")) == QJsonValue(true)) {
        m_state = Complete;
        return QString();
    }
    m_state = Malformed;
    return QString();
}
