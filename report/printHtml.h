#pragma once
#include "reportFragments.h"

class elementBase;
class XlsxDocument;
class XlsxFormat;

// Page state and fragment builders of a printed report page (print-kind elements).
class printHtml : public reportFragments<elementBase>
{
public:
    printHtml();
    ~printHtml();

    // Lays the cells' texts out from column A of row, each merged over 9 / span columns, left to
    // right, continuing on the next row after column I; a cell switched off by its option gives
    // up its place. Returns the row below the rows used (row + 1 when nothing was written).
    int writeMergedCell(int row, const QVector<HtmlCell>& cells, int span, XlsxDocument* document) const;
    // The format of the workbook's text blocks: left, top, wrapped, 10-point "SimHei".
    static XlsxFormat workbookBaseFormat();
};
