#include "XlsxDocument.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace {

// PNG images are written at 96 dpi so that the workbook shows them at their pixel size.
const int kDotsPerMeter = 3780;

lxw_color_t toLxwColor(const QColor& color)
{
    // 0 means "no colour" to the writer: black has a value of its own.
    const lxw_color_t rgb = lxw_color_t(color.rgb() & 0xFFFFFF);
    return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : rgb;
}

uint8_t toLxwBorder(XlsxFormat::BorderStyle style)
{
    switch (style) {
    case XlsxFormat::BorderThin: return LXW_BORDER_THIN;
    case XlsxFormat::BorderMedium: return LXW_BORDER_MEDIUM;
    case XlsxFormat::BorderThick: return LXW_BORDER_THICK;
    case XlsxFormat::BorderNone: break;
    }
    return LXW_BORDER_NONE;
}

lxw_format* toLxwFormat(lxw_workbook* workbook, const XlsxFormat& f, QHash<QString, lxw_format*>& cache)
{
    if (f.isEmpty())
        return nullptr;
    const QString key = f.key();
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return it.value();
    lxw_format* lf = workbook_add_format(workbook);
    if (f.hasProperty(XlsxFormat::FontName))
        format_set_font_name(lf, f.fontName().toUtf8().constData());
    if (f.hasProperty(XlsxFormat::FontSize))
        format_set_font_size(lf, f.fontSize());
    if (f.fontBold())
        format_set_bold(lf);
    if (f.fontItalic())
        format_set_italic(lf);
    if (f.fontColor().isValid())
        format_set_font_color(lf, toLxwColor(f.fontColor()));
    if (f.hasProperty(XlsxFormat::AlignH)) {
        switch (f.horizontalAlignment()) {
        case XlsxFormat::AlignLeft: format_set_align(lf, LXW_ALIGN_LEFT); break;
        case XlsxFormat::AlignHCenter: format_set_align(lf, LXW_ALIGN_CENTER); break;
        case XlsxFormat::AlignRight: format_set_align(lf, LXW_ALIGN_RIGHT); break;
        case XlsxFormat::AlignHGeneral: break;
        }
    }
    if (f.hasProperty(XlsxFormat::AlignV)) {
        switch (f.verticalAlignment()) {
        case XlsxFormat::AlignTop: format_set_align(lf, LXW_ALIGN_VERTICAL_TOP); break;
        case XlsxFormat::AlignVCenter: format_set_align(lf, LXW_ALIGN_VERTICAL_CENTER); break;
        case XlsxFormat::AlignBottom: format_set_align(lf, LXW_ALIGN_VERTICAL_BOTTOM); break;
        }
    }
    if (f.textWrap())
        format_set_text_wrap(lf);
    if (f.patternBackgroundColor().isValid()) {
        format_set_pattern(lf, LXW_PATTERN_SOLID);
        format_set_bg_color(lf, toLxwColor(f.patternBackgroundColor()));
    }
    if (f.leftBorderStyle() != XlsxFormat::BorderNone)
        format_set_left(lf, toLxwBorder(f.leftBorderStyle()));
    if (f.leftBorderColor().isValid())
        format_set_left_color(lf, toLxwColor(f.leftBorderColor()));
    if (f.topBorderStyle() != XlsxFormat::BorderNone)
        format_set_top(lf, toLxwBorder(f.topBorderStyle()));
    if (f.bottomBorderStyle() != XlsxFormat::BorderNone)
        format_set_bottom(lf, toLxwBorder(f.bottomBorderStyle()));
    cache.insert(key, lf);
    return lf;
}

} // namespace

XlsxDocument::XlsxDocument() = default;

bool XlsxDocument::parseCell(const QString& name, int& row, int& column)
{
    static const QRegularExpression re(QStringLiteral("^\\$?([A-Za-z]{1,3})\\$?([0-9]{1,7})$"));
    const QRegularExpressionMatch m = re.match(name.trimmed());
    if (!m.hasMatch())
        return false;
    int col = 0;
    for (QChar ch : m.captured(1).toUpper())
        col = col * 26 + (ch.unicode() - 'A' + 1);
    const int r = m.captured(2).toInt();
    if (r < 1 || r > MaxRows || col < 1 || col > MaxColumns)
        return false;
    row = r;
    column = col;
    return true;
}

bool XlsxDocument::parseRange(const QString& range, int& row1, int& col1, int& row2, int& col2)
{
    const QStringList parts = range.split(QLatin1Char(':'));
    if (parts.size() == 1) {
        if (!parseCell(parts.at(0), row1, col1))
            return false;
        row2 = row1;
        col2 = col1;
        return true;
    }
    if (parts.size() != 2 || !parseCell(parts.at(0), row1, col1) || !parseCell(parts.at(1), row2, col2))
        return false;
    if (row2 < row1)
        std::swap(row1, row2);
    if (col2 < col1)
        std::swap(col1, col2);
    return true;
}

QString XlsxDocument::columnName(int column)
{
    QString name;
    while (column > 0) {
        const int rem = (column - 1) % 26;
        name.prepend(QChar('A' + rem));
        column = (column - 1) / 26;
    }
    return name;
}

bool XlsxDocument::write(const QString& cell, const QVariant& value, const XlsxFormat& format)
{
    int row = 0, column = 0;
    if (!parseCell(cell, row, column)) {
        qDebug() << "XlsxDocument::write bad cell" << cell;
        return false;
    }
    QString text = value.toString();
    if (text.size() > MaxTextLength)
        text.truncate(MaxTextLength);
    Cell& c = m_cells[Key(row, column)];
    c.value = text;
    if (!format.isEmpty())
        c.format = format;
    return true;
}

bool XlsxDocument::mergeCells(const QString& range, const XlsxFormat& format)
{
    int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
    if (!parseRange(range, r1, c1, r2, c2)) {
        qDebug() << "XlsxDocument::mergeCells bad range" << range;
        return false;
    }
    const bool single = (r1 == r2 && c1 == c2);
    bool same = false;
    for (const Range& m : qAsConst(m_merges)) {
        if (m.row1 == r1 && m.col1 == c1 && m.row2 == r2 && m.col2 == c2) {
            same = true;
            break;
        }
        const bool overlaps = !(r2 < m.row1 || r1 > m.row2 || c2 < m.col1 || c1 > m.col2);
        if (overlaps) {
            qDebug() << "XlsxDocument::mergeCells overlapping range" << range;
            return false;
        }
    }
    if (!single && !same)
        m_merges.append(Range{r1, c1, r2, c2});
    if (!format.isEmpty()) {
        for (int r = r1; r <= r2; ++r)
            for (int c = c1; c <= c2; ++c)
                m_cells[Key(r, c)].format = format;
    }
    return true;
}

bool XlsxDocument::setColumnWidth(int colFirst, int colLast, double width)
{
    if (colFirst < 1 || colLast < colFirst || colLast > MaxColumns || width < 0 || width > 255)
        return false;
    for (int c = colFirst; c <= colLast; ++c)
        m_columnWidths[c] = width;
    return true;
}

bool XlsxDocument::setColumnFormat(int colFirst, int colLast, const XlsxFormat& format)
{
    if (colFirst < 1 || colLast < colFirst || colLast > MaxColumns)
        return false;
    for (int c = colFirst; c <= colLast; ++c)
        m_columnFormats[c] = format;
    return true;
}

bool XlsxDocument::setRowHeight(int rowFirst, int rowLast, double height)
{
    if (rowFirst < 1 || rowLast < rowFirst || rowLast > MaxRows || height < 0 || height > 409)
        return false;
    for (int r = rowFirst; r <= rowLast; ++r)
        m_rowHeights[r] = height;
    return true;
}

bool XlsxDocument::insertImage(int row, int column, const QImage& image)
{
    if (image.isNull() || row < 0 || row >= MaxRows || column < 0 || column >= MaxColumns)
        return false;
    QImage img = image;
    img.setDotsPerMeterX(kDotsPerMeter);
    img.setDotsPerMeterY(kDotsPerMeter);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, "PNG"))
        return false;
    // The library scales by 96 / dpi; undo the rounding of 3780 dots per metre.
    const double dpi = kDotsPerMeter * 0.0254;
    m_images.append(Image{row, column, png, dpi / 96.0});
    return true;
}

void XlsxDocument::setGridLinesVisible(bool visible)
{
    m_gridLines = visible;
}

QString XlsxDocument::read(const QString& cell) const
{
    int row = 0, column = 0;
    if (!parseCell(cell, row, column))
        return QString();
    return m_cells.value(Key(row, column)).value;
}

XlsxFormat XlsxDocument::cellFormat(const QString& cell) const
{
    int row = 0, column = 0;
    if (!parseCell(cell, row, column))
        return XlsxFormat();
    return effectiveFormat(row, column);
}

QStringList XlsxDocument::mergedRanges() const
{
    QStringList out;
    for (const Range& m : m_merges)
        out << QStringLiteral("%1%2:%3%4").arg(columnName(m.col1)).arg(m.row1).arg(columnName(m.col2)).arg(m.row2);
    return out;
}

XlsxFormat XlsxDocument::effectiveFormat(int row, int column) const
{
    auto it = m_cells.constFind(Key(row, column));
    if (it != m_cells.constEnd() && !it->format.isEmpty())
        return it->format;
    return m_columnFormats.value(column);
}

bool XlsxDocument::saveAs(const QString& fileName) const
{
    m_error.clear();
    if (fileName.isEmpty()) {
        m_error = QStringLiteral("no file name");
        return false;
    }
    QTemporaryDir tmp;
    if (!tmp.isValid()) {
        m_error = QStringLiteral("cannot make a temporary folder: %1").arg(tmp.errorString());
        qDebug() << "XlsxDocument::saveAs" << m_error;
        return false;
    }
    const QByteArray tmpDir = QFile::encodeName(tmp.path());
    const QByteArray tmpFile = QFile::encodeName(tmp.filePath(QStringLiteral("book.xlsx")));

    lxw_workbook_options options = {};
    options.tmpdir = const_cast<char*>(tmpDir.constData());
    lxw_workbook* workbook = workbook_new_opt(tmpFile.constData(), &options);
    if (!workbook) {
        m_error = QStringLiteral("cannot create the workbook");
        qDebug() << "XlsxDocument::saveAs" << m_error;
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    QHash<QString, lxw_format*> formats;

    QList<int> columns = m_columnWidths.keys();
    for (int c : m_columnFormats.keys())
        if (!m_columnWidths.contains(c))
            columns << c;
    std::sort(columns.begin(), columns.end());
    for (int c : qAsConst(columns)) {
        worksheet_set_column(sheet, lxw_col_t(c - 1), lxw_col_t(c - 1),
                             m_columnWidths.value(c, LXW_DEF_COL_WIDTH),
                             toLxwFormat(workbook, m_columnFormats.value(c), formats));
    }
    for (auto it = m_rowHeights.constBegin(); it != m_rowHeights.constEnd(); ++it)
        worksheet_set_row(sheet, lxw_row_t(it.key() - 1), it.value(), nullptr);
    if (!m_gridLines)
        worksheet_gridlines(sheet, LXW_HIDE_ALL_GRIDLINES);

    for (const Range& m : m_merges) {
        const Cell first = m_cells.value(Key(m.row1, m.col1));
        worksheet_merge_range(sheet, lxw_row_t(m.row1 - 1), lxw_col_t(m.col1 - 1), lxw_row_t(m.row2 - 1),
                              lxw_col_t(m.col2 - 1), first.value.toUtf8().constData(),
                              toLxwFormat(workbook, effectiveFormat(m.row1, m.col1), formats));
    }
    for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it) {
        lxw_format* f = toLxwFormat(workbook, effectiveFormat(it.key().first, it.key().second), formats);
        const lxw_row_t r = lxw_row_t(it.key().first - 1);
        const lxw_col_t c = lxw_col_t(it.key().second - 1);
        if (it->value.isEmpty())
            worksheet_write_blank(sheet, r, c, f);
        else
            worksheet_write_string(sheet, r, c, it->value.toUtf8().constData(), f);
    }
    for (const Image& image : m_images) {
        lxw_image_options io = {};
        io.x_scale = image.scale;
        io.y_scale = image.scale;
        io.description = const_cast<char*>("");
        worksheet_insert_image_buffer_opt(sheet, lxw_row_t(image.row), lxw_col_t(image.column),
                                          reinterpret_cast<const unsigned char*>(image.png.constData()),
                                          size_t(image.png.size()), &io);
    }

    const lxw_error err = workbook_close(workbook);
    if (err != LXW_NO_ERROR) {
        m_error = QString::fromUtf8(lxw_strerror(err));
        qDebug() << "XlsxDocument::saveAs workbook_close error:" << m_error;
        return false;
    }

    QFile built(tmp.filePath(QStringLiteral("book.xlsx")));
    if (!built.open(QIODevice::ReadOnly)) {
        m_error = built.errorString();
        qDebug() << "XlsxDocument::saveAs" << m_error;
        return false;
    }
    const QByteArray bytes = built.readAll();
    built.close();

    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        m_error = out.errorString();
        out.cancelWriting();
        qDebug() << "XlsxDocument::saveAs" << fileName << "error:" << m_error;
        return false;
    }
    return true;
}
