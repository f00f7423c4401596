#ifndef XLSXFORMAT_H
#define XLSXFORMAT_H

#include <QColor>
#include <QMap>
#include <QString>
#include <QVariant>

// Cell format of a workbook written by XlsxDocument: a value type holding only the properties
// that were set. A format with nothing set is "empty"; writing a value with it keeps the format
// the cell already has.
class XlsxFormat
{
public:
    enum HorizontalAlignment { AlignHGeneral, AlignLeft, AlignHCenter, AlignRight };
    enum VerticalAlignment { AlignTop, AlignVCenter, AlignBottom };
    enum BorderStyle { BorderNone, BorderThin, BorderMedium, BorderThick };

    XlsxFormat() = default;

    void setFontName(const QString& name);
    QString fontName() const;
    void setFontSize(int size);
    int fontSize() const;          // 11 when not set
    void setFontBold(bool bold);
    bool fontBold() const;
    void setFontItalic(bool italic);
    bool fontItalic() const;
    void setFontColor(const QColor& color);
    QColor fontColor() const;      // invalid when not set

    void setHorizontalAlignment(HorizontalAlignment align);
    HorizontalAlignment horizontalAlignment() const;
    void setVerticalAlignment(VerticalAlignment align);
    VerticalAlignment verticalAlignment() const;   // bottom when not set
    void setTextWrap(bool wrap);
    bool textWrap() const;

    // Solid fill in the given colour.
    void setPatternBackgroundColor(const QColor& color);
    QColor patternBackgroundColor() const;

    void setLeftBorderStyle(BorderStyle style);
    BorderStyle leftBorderStyle() const;
    void setLeftBorderColor(const QColor& color);
    QColor leftBorderColor() const;
    void setTopBorderStyle(BorderStyle style);
    BorderStyle topBorderStyle() const;
    void setBottomBorderStyle(BorderStyle style);
    BorderStyle bottomBorderStyle() const;

    bool isEmpty() const;
    bool hasProperty(int property) const;
    // A text that is equal for two formats exactly when they set the same properties alike.
    QString key() const;

    bool operator==(const XlsxFormat& other) const;
    bool operator!=(const XlsxFormat& other) const { return !(*this == other); }

    enum Property {
        FontName, FontSize, FontBold, FontItalic, FontColor,
        AlignH, AlignV, TextWrap, FillColor,
        BorderLeft, BorderLeftColor, BorderTop, BorderBottom
    };

private:
    QVariant property(Property p, const QVariant& fallback = QVariant()) const;
    QMap<int, QVariant> m_properties;
};

#endif // XLSXFORMAT_H
