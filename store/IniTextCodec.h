#pragma once
#include <QTextCodec>

// UTF-8 for writing settings files. Qt's INI writer hands its codec one UTF-16 unit at a time,
// and the plain UTF-8 codec drops the halves of a surrogate pair, so characters beyond U+FFFF
// (emoji, rare CJK) were lost. This codec holds a high surrogate back until its low half comes
// and writes the pair as one UTF-8 sequence; reading is plain UTF-8. Files it writes read back
// intact through QSettings with the "UTF8" codec.
class IniTextCodec : public QTextCodec
{
public:
    // The one instance (codecs are registered with Qt and never deleted).
    static QTextCodec* instance();

    QByteArray name() const override;
    int mibEnum() const override;

protected:
    QString convertToUnicode(const char* in, int length, ConverterState* state) const override;
    QByteArray convertFromUnicode(const QChar* in, int length, ConverterState* state) const override;

private:
    IniTextCodec() = default;
};
