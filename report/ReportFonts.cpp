#include "ReportFonts.h"

#include <QDebug>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QSet>
#include <QVector>

namespace {

// Glyphs of the characters in [first, last] that the font has (glyph 0 is "none").
QSet<quint32> glyphsOf(const QRawFont& font, ushort first, ushort last)
{
    QVector<QChar> chars;
    chars.reserve(last - first + 1);
    for (uint uc = first; uc <= last; ++uc)
        chars.append(QChar(ushort(uc)));
    QVector<quint32> glyphs(chars.size());
    int count = glyphs.size();
    QSet<quint32> out;
    if (!font.glyphIndexesForChars(chars.constData(), chars.size(), glyphs.data(), &count))
        return out;
    for (int i = 0; i < count; ++i) {
        if (glyphs.at(i) != 0)
            out.insert(glyphs.at(i));
    }
    return out;
}

QRawFont hanFontOf(const QString& family)
{
    return QRawFont::fromFont(QFont(family), QFontDatabase::SimplifiedChinese);
}

} // namespace

bool ReportFonts::keepsRadicalsApart(const QRawFont& font)
{
    if (!font.isValid() || !font.supportsCharacter(QChar(0x751F))) // 生
        return false;
    const QSet<quint32> radicals = glyphsOf(font, 0x2E80, 0x2FDF);
    if (radicals.isEmpty())
        return true;
    // Unified ideographs, extension A and the basic block.
    return !glyphsOf(font, 0x3400, 0x4DBF).intersects(radicals)
           && !glyphsOf(font, 0x4E00, 0x9FFF).intersects(radicals);
}

bool ReportFonts::keepsRadicalsApart(const QString& family)
{
    return keepsRadicalsApart(hanFontOf(family));
}

QString ReportFonts::hanFamily()
{
    static const QString chosen = []() {
        const QStringList families = QFontDatabase().families(QFontDatabase::SimplifiedChinese);
        QString any;
        for (const QString& family : families) {
            const QRawFont raw = hanFontOf(family);
            // Only a family that draws Chinese itself, not through a fallback.
            if (raw.familyName() != family || !keepsRadicalsApart(raw))
                continue;
            // A Hei (sans-serif) face, as the report asks for, before any other.
            if (family.contains(QLatin1String("Hei"), Qt::CaseInsensitive))
                return family;
            if (any.isEmpty())
                any = family;
        }
        return any;
    }();
    return chosen;
}

QStringList ReportFonts::reportFamilies()
{
    return {QStringLiteral("黑体"), QStringLiteral("宋体"), QStringLiteral("SimSun"),
            QStringLiteral("SimHei"), QStringLiteral("Times New Roman")};
}

void ReportFonts::install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QStringList pending;
    for (const QString& family : reportFamilies()) {
        if (!keepsRadicalsApart(family) && !pending.contains(family))
            pending << family;
    }
    if (pending.isEmpty())
        return;
    const QString han = hanFamily();
    if (han.isEmpty()) {
        qDebug() << "ReportFonts: no installed Chinese font keeps the radical characters apart;"
                    " Chinese text copied from a report may read as radicals (fonts-wqy-zenhei)";
        return;
    }
    for (const QString& family : qAsConst(pending)) {
        // Latin text stays with the font the family resolves to now, unless that font draws the
        // Chinese text itself with shared glyphs.
        const QString latin = QFontInfo(QFont(family)).family();
        const QRawFont latinHan = hanFontOf(latin);
        QStringList substitutes;
        if (latin != family && latin != han
            && !(latinHan.isValid() && latinHan.familyName() == latin
                 && !keepsRadicalsApart(latinHan)))
            substitutes << latin;
        substitutes << han;
        QFont::insertSubstitutions(family, substitutes);
        qDebug() << "ReportFonts:" << family << "falls back on" << substitutes;
    }
}
