#pragma once
#include <QString>
#include <QStringList>

class QRawFont;

// Chinese text of the reports in a font whose PDF text layer reads as written.
//
// The PDF writer names each glyph in the text layer by the lowest character the font maps to it.
// Fonts that draw a radical character (U+2E80-U+2FDF, such as U+2F63) with the glyph of the
// ideograph it looks like (生) make a report's copied or searched text read the radical. The
// report's font families get, as their fallback for Chinese text, an installed font that keeps
// the two apart; Latin text keeps the font it had.
class ReportFonts
{
public:
    // Once per process (needs the GUI application): gives the report's families their fallback
    // when the font they now draw Chinese text with shares glyphs. Logs when no installed font
    // qualifies.
    static void install();

    // Whether the Chinese text of the family is drawn by a font that keeps the radicals apart
    // from the ideographs (false when the family draws no Chinese text at all).
    static bool keepsRadicalsApart(const QString& family);
    static bool keepsRadicalsApart(const QRawFont& font);

    // The installed Chinese family chosen as the fallback; empty when none qualifies.
    static QString hanFamily();

    // The families the report pages name.
    static QStringList reportFamilies();
};
