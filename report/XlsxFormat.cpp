#include "XlsxFormat.h"

#include <QStringList>

void XlsxFormat::setFontName(const QString& name) { m_properties[FontName] = name; }
QString XlsxFormat::fontName() const { return property(FontName).toString(); }
void XlsxFormat::setFontSize(int size) { m_properties[FontSize] = size; }
int XlsxFormat::fontSize() const { return property(FontSize, 11).toInt(); }
void XlsxFormat::setFontBold(bool bold) { m_properties[FontBold] = bold; }
bool XlsxFormat::fontBold() const { return property(FontBold, false).toBool(); }
void XlsxFormat::setFontItalic(bool italic) { m_properties[FontItalic] = italic; }
bool XlsxFormat::fontItalic() const { return property(FontItalic, false).toBool(); }
void XlsxFormat::setFontColor(const QColor& color) { m_properties[FontColor] = color; }
QColor XlsxFormat::fontColor() const { return property(FontColor).value<QColor>(); }

void XlsxFormat::setHorizontalAlignment(HorizontalAlignment align) { m_properties[AlignH] = int(align); }
XlsxFormat::HorizontalAlignment XlsxFormat::horizontalAlignment() const
{
    return HorizontalAlignment(property(AlignH, int(AlignHGeneral)).toInt());
}
void XlsxFormat::setVerticalAlignment(VerticalAlignment align) { m_properties[AlignV] = int(align); }
XlsxFormat::VerticalAlignment XlsxFormat::verticalAlignment() const
{
    return VerticalAlignment(property(AlignV, int(AlignBottom)).toInt());
}
void XlsxFormat::setTextWrap(bool wrap) { m_properties[TextWrap] = wrap; }
bool XlsxFormat::textWrap() const { return property(TextWrap, false).toBool(); }

void XlsxFormat::setPatternBackgroundColor(const QColor& color) { m_properties[FillColor] = color; }
QColor XlsxFormat::patternBackgroundColor() const { return property(FillColor).value<QColor>(); }

void XlsxFormat::setLeftBorderStyle(BorderStyle style) { m_properties[BorderLeft] = int(style); }
XlsxFormat::BorderStyle XlsxFormat::leftBorderStyle() const
{
    return BorderStyle(property(BorderLeft, int(BorderNone)).toInt());
}
void XlsxFormat::setLeftBorderColor(const QColor& color) { m_properties[BorderLeftColor] = color; }
QColor XlsxFormat::leftBorderColor() const { return property(BorderLeftColor).value<QColor>(); }
void XlsxFormat::setTopBorderStyle(BorderStyle style) { m_properties[BorderTop] = int(style); }
XlsxFormat::BorderStyle XlsxFormat::topBorderStyle() const
{
    return BorderStyle(property(BorderTop, int(BorderNone)).toInt());
}
void XlsxFormat::setBottomBorderStyle(BorderStyle style) { m_properties[BorderBottom] = int(style); }
XlsxFormat::BorderStyle XlsxFormat::bottomBorderStyle() const
{
    return BorderStyle(property(BorderBottom, int(BorderNone)).toInt());
}

bool XlsxFormat::isEmpty() const { return m_properties.isEmpty(); }
bool XlsxFormat::hasProperty(int p) const { return m_properties.contains(p); }

QString XlsxFormat::key() const
{
    QStringList parts;
    for (auto it = m_properties.constBegin(); it != m_properties.constEnd(); ++it) {
        const QVariant& v = it.value();
        QString text = v.canConvert<QColor>() && v.userType() == QMetaType::QColor
                           ? v.value<QColor>().name(QColor::HexArgb)
                           : v.toString();
        parts << QString::number(it.key()) + "=" + text;
    }
    return parts.join(QLatin1Char(';'));
}

bool XlsxFormat::operator==(const XlsxFormat& other) const { return key() == other.key(); }

QVariant XlsxFormat::property(Property p, const QVariant& fallback) const
{
    return m_properties.value(p, fallback);
}
