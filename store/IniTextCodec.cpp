#include "IniTextCodec.h"

namespace {
// The high surrogate whose low half has not come yet (the writer runs on one thread at a time
// per settings object; each thread has its own).
thread_local QChar pendingHigh;
}

QTextCodec* IniTextCodec::instance()
{
    static QTextCodec* codec = new IniTextCodec;
    return codec;
}

QByteArray IniTextCodec::name() const
{
    return QByteArrayLiteral("x-ini-utf-8-pairs");
}

int IniTextCodec::mibEnum() const
{
    return -4106; // private: no IANA number, apart from UTF-8's 106
}

QString IniTextCodec::convertToUnicode(const char* in, int length, ConverterState* state) const
{
    return QTextCodec::codecForMib(106)->toUnicode(in, length, state);
}

QByteArray IniTextCodec::convertFromUnicode(const QChar* in, int length, ConverterState*) const
{
    QString text;
    text.reserve(length + 1);
    // A held high surrogate joins a low one; anything else means it stood alone and is dropped,
    // as the plain codec drops it.
    if (!pendingHigh.isNull() && length > 0 && in[0].isLowSurrogate())
        text += pendingHigh;
    pendingHigh = QChar();
    text.append(in, length);
    if (!text.isEmpty() && text.at(text.size() - 1).isHighSurrogate()) {
        pendingHigh = text.at(text.size() - 1);
        text.chop(1);
    }
    return text.toUtf8();
}
