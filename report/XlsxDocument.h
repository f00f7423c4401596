#ifndef XLSXDOCUMENT_H
#define XLSXDOCUMENT_H

#include "XlsxFormat.h"

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A one-sheet workbook kept in memory and written as .xlsx on saveAs().
// Cells are named as in a spreadsheet ("A1", ranges "A1:C2"); rows and columns in the numeric
// calls count from 1, except insertImage, which takes zero-based row and column.
// Every value is stored as literal text: no numbers, formulas or links are ever written, so a
// text starting with "=" stays text.
class XlsxDocument
{
public:
    XlsxDocument();

    // Writes value as text into the cell. An empty format keeps the format the cell already has.
    bool write(const QString& cell, const QVariant& value, const XlsxFormat& format = XlsxFormat());
    // Merges a range; a non-empty format is given to every cell of it. A range that overlaps
    // another merged range (other than being the same range) is refused.
    bool mergeCells(const QString& range, const XlsxFormat& format = XlsxFormat());
    bool setColumnWidth(int colFirst, int colLast, double width);
    bool setColumnFormat(int colFirst, int colLast, const XlsxFormat& format);
    bool setRowHeight(int rowFirst, int rowLast, double height);
    // Places the image at its own pixel size with its top-left corner in the given cell
    // (zero-based). A null image is not inserted.
    bool insertImage(int row, int column, const QImage& image);
    void setGridLinesVisible(bool visible);

    // Writes the workbook, replacing an existing file only when the whole file was written.
    // Returns false (see errorString) when the file cannot be written.
    bool saveAs(const QString& fileName) const;
    QString errorString() const { return m_error; }

    // Reading back the model (tests, callers that want to check what they wrote).
    QString read(const QString& cell) const;
    XlsxFormat cellFormat(const QString& cell) const;
    QStringList mergedRanges() const;
    bool gridLinesVisible() const { return m_gridLines; }

    // "A1" -> row 1, column 1. False for a malformed name or one outside the sheet.
    static bool parseCell(const QString& name, int& row, int& column);
    static bool parseRange(const QString& range, int& row1, int& col1, int& row2, int& col2);
    static QString columnName(int column);

    static const int MaxRows = 1048576;
    static const int MaxColumns = 16384;
    static const int MaxTextLength = 32767;

private:
    struct Cell {
        QString value;
        XlsxFormat format;
    };
    struct Range {
        int row1, col1, row2, col2;
    };
    struct Image {
        int row, column;
        QByteArray png;
        double scale;
    };
    using Key = QPair<int, int>;

    XlsxFormat effectiveFormat(int row, int column) const;

    QMap<Key, Cell> m_cells;
    QVector<Range> m_merges;
    QMap<int, double> m_columnWidths;
    QMap<int, XlsxFormat> m_columnFormats;
    QMap<int, double> m_rowHeights;
    QVector<Image> m_images;
    bool m_gridLines = true;
    mutable QString m_error;
};

#endif // XLSXDOCUMENT_H
