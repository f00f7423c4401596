#include "mergeCellBlock.h"

#include "XlsxDocument.h"

#include <QString>

void mergeCellBlock(XlsxDocument& document, char column, int row, int columnCount, int rowCount,
                    const XlsxFormat& format)
{
    const char last = char(column + columnCount - 1);
    document.mergeCells(QStringLiteral("%1%2:%3%4")
                            .arg(QLatin1Char(column)).arg(row)
                            .arg(QLatin1Char(last)).arg(row + rowCount - 1),
                        format);
}
