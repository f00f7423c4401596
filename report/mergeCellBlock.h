#ifndef MERGECELLBLOCK_H
#define MERGECELLBLOCK_H

class XlsxDocument;
class XlsxFormat;

// Merges the block of columnCount x rowCount cells whose top-left cell is column, row
// ("%1%2:%3%4"), giving it the format.
void mergeCellBlock(XlsxDocument& document, char column, int row, int columnCount, int rowCount,
                    const XlsxFormat& format);

#endif // MERGECELLBLOCK_H
