#include "FrameCodec.h"

#include <QDebug>
#include <QList>
#include <cstring>

namespace {
const char kMarker[4] = {char(0xAD), char(0x7C), char(0xEF), char(0xFD)};
}

quint8 FrameCodec::xorOf(const char* data, int size)
{
    quint8 x = 0;
    for (int i = 0; i < size; ++i)
        x ^= quint8(data[i]);
    return x;
}

QByteArray FrameCodec::encode(const QByteArray& payload)
{
    const quint32 len = quint32(payload.size());
    QByteArray frame;
    frame.reserve(HeaderSize + payload.size() + 1);
    frame.append(kMarker, 4);
    frame.append(char((len >> 24) & 0xFF));
    frame.append(char((len >> 16) & 0xFF));
    frame.append(char((len >> 8) & 0xFF));
    frame.append(char(len & 0xFF));
    frame.append(payload);
    frame.append(char(xorOf(frame.constData(), frame.size())));
    return frame;
}

void FrameCodec::feed(const QByteArray& bytes)
{
    feed(bytes.constData(), bytes.size());
}

void FrameCodec::feed(const char* data, int size)
{
    if (size <= 0)
        return;
    m_buf.append(data, size);
}

void FrameCodec::clear()
{
    m_buf.clear();
    m_pos = 0;
}

void FrameCodec::compact()
{
    if (m_pos == 0)
        return;
    if (m_pos >= m_buf.size()) {
        m_buf.clear();
    } else if (m_pos > 4096 && m_pos * 2 > m_buf.size()) {
        m_buf.remove(0, m_pos);
    } else {
        return;
    }
    m_pos = 0;
}

bool FrameCodec::takeFrame(QByteArray* payload)
{
    for (;;) {
        const int avail = m_buf.size() - m_pos;
        if (avail <= 0) {
            m_buf.clear();
            m_pos = 0;
            return false;
        }
        const char* base = m_buf.constData() + m_pos;

        // Find the start marker; bytes before it are noise.
        int at = -1;
        for (int i = 0; i + 4 <= avail; ++i) {
            if (base[i] == kMarker[0] && std::memcmp(base + i, kMarker, 4) == 0) {
                at = i;
                break;
            }
        }
        if (at < 0) {
            // Keep a tail that may be the start of a marker cut by the read.
            int keep = 0;
            for (int k = qMin(3, avail); k > 0; --k) {
                if (std::memcmp(base + avail - k, kMarker, size_t(k)) == 0) {
                    keep = k;
                    break;
                }
            }
            const int skip = avail - keep;
            if (skip > 0) {
                m_skipped += quint64(skip);
                qDebug() << "帧头前的无效数据已丢弃, 字节数:" << skip;
                m_pos += skip;
            }
            compact();
            return false;
        }
        if (at > 0) {
            m_skipped += quint64(at);
            qDebug() << "帧头前的无效数据已丢弃, 字节数:" << at;
            m_pos += at;
            base += at;
        }

        const int left = m_buf.size() - m_pos;
        if (left < HeaderSize)
            return false;
        const quint32 len = (quint32(quint8(base[4])) << 24) | (quint32(quint8(base[5])) << 16)
                            | (quint32(quint8(base[6])) << 8) | quint32(quint8(base[7]));
        if (len > MaxPayload) {
            ++m_oversize;
            qDebug() << "帧长度超限, 丢弃帧头, 长度:" << len;
            m_pos += 1; // resynchronise on the next marker
            continue;
        }
        const qint64 total = qint64(HeaderSize) + qint64(len) + 1;
        if (qint64(left) < total)
            return false;
        const quint8 expected = xorOf(base, int(total - 1));
        const quint8 got = quint8(base[total - 1]);
        if (expected != got) {
            ++m_badCheck;
            qDebug() << "校验错误, 丢弃数据帧, 长度:" << len << "校验:" << got << "应为:" << expected;
            m_pos += 1;
            continue;
        }
        if (payload)
            *payload = QByteArray(base + HeaderSize, int(len));
        m_pos += int(total);
        compact();
        return true;
    }
}

QList<QByteArray> FrameCodec::decode(const QByteArray& bytes)
{
    feed(bytes);
    QList<QByteArray> out;
    QByteArray p;
    while (takeFrame(&p))
        out.append(p);
    return out;
}
