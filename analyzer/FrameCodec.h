#pragma once
#include <QByteArray>
#include <QtGlobal>

// Frames of the analyzer link: AD 7C EF FD, payload length (32-bit big-endian), payload, and one
// check byte that is the XOR of every preceding byte of the frame.
//
// The decoder takes the byte stream in reads of any size. Bytes before a marker are skipped, a
// frame with a wrong check byte is dropped and decoding resumes at the next marker, and a length
// above MaxPayload is treated as noise (nothing of that size is ever allocated).
class FrameCodec
{
public:
    static constexpr int HeaderSize = 8;               // marker + length
    static constexpr quint32 MaxPayload = 1024 * 1024; // largest payload accepted

    static QByteArray encode(const QByteArray& payload);
    static quint8 xorOf(const char* data, int size);

    // Appends bytes read from the port.
    void feed(const QByteArray& bytes);
    void feed(const char* data, int size);
    // Takes the next complete payload; false when none is complete yet.
    bool takeFrame(QByteArray* payload);
    // feed() and every complete payload, in order.
    QList<QByteArray> decode(const QByteArray& bytes);

    // Forgets the held bytes of an incomplete frame.
    void clear();
    int pendingBytes() const { return m_buf.size() - m_pos; }

    // What the decoder threw away since construction.
    quint64 badCheckFrames() const { return m_badCheck; }
    quint64 oversizeHeaders() const { return m_oversize; }
    quint64 skippedBytes() const { return m_skipped; }

private:
    void compact();

    QByteArray m_buf;
    int m_pos = 0;
    quint64 m_badCheck = 0;
    quint64 m_oversize = 0;
    quint64 m_skipped = 0;
};
