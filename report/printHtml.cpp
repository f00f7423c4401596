#include "printHtml.h"

#include "XlsxDocument.h"
#include "XlsxFormat.h"

printHtml::printHtml() = default;

// previewTool is not owned here.
printHtml::~printHtml() = default;

// ---- workbook cells of the report pages ----

XlsxFormat printHtml::workbookBaseFormat()
{
    XlsxFormat f;
    f.setHorizontalAlignment(XlsxFormat::AlignLeft);
    f.setVerticalAlignment(XlsxFormat::AlignTop);
    f.setTextWrap(true);
    f.setFontSize(10);
    f.setFontName(QStringLiteral("SimHei"));
    return f;
}

int printHtml::writeMergedCell(int row, const QVector<HtmlCell>& cells, int span, XlsxDocument* document) const
{
    if (!document)
        return row + 1;
    const XlsxFormat format = workbookBaseFormat();
    const int width = 9 / qBound(1, span, 9);
    char column = 'A';
    for (const HtmlCell& cell : cells) {
        // Bit optionNumber modulo 32: -1 tests bit 31, which no report option uses.
        if (isOptionOff(cell.optionNumber))
            continue;
        if (column > 'I') {
            ++row;
            column = 'A';
        }
        document->mergeCells(QStringLiteral("%1%2:%3%4")
                                 .arg(QLatin1Char(column)).arg(row)
                                 .arg(QLatin1Char(char(column + width - 1))).arg(row),
                             format);
        document->write(QStringLiteral("%1%2").arg(QLatin1Char(column)).arg(row), cell.text, XlsxFormat());
        column = char(column + width);
    }
    return row + 1;
}
