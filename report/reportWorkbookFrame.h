#pragma once
#include "HtmlCell.h"
#include "ReportItem.h"
#include "XlsxFormat.h"

#include <QColor>
#include <QString>
#include <QVector>

#include <functional>

class XlsxDocument;

// The parts the report workbooks share: nine columns A to I, the heading with the clinic logo,
// clinic name and report title, the separator band and the contact rows with the maker logo.
class reportWorkbookFrame
{
public:
    static QColor accent();   // RGB (138, 170, 197)

    // Grid lines off; columns A to I 10.5 wide with the base format.
    static void setUpSheet(XlsxDocument& doc);
    // Rows 1 and 2: the logo "./print_logo.png" at A1 (when shown and present) in the merged
    // block A1:B2, the clinic name in C1:G1 and the title in C2:G2.
    static void writeHeading(XlsxDocument& doc, const QString& title, bool logoShown);
    // The accent / grey band across A to I of the row, 5 high.
    static void writeBand(XlsxDocument& doc, int row);
    // Font colour of a result row ("" for none) and its hint arrow.
    using RowColour = std::function<QString(const ReportItem& item, QString& arrow)>;
    // The results table: its header at the row, one row per item below. Number column A when
    // numbers is set; the target in F for the QC report (withTarget), else the result spans E:F.
    // Returns the row below the last item.
    static int writeResults(XlsxDocument& doc, int row, const QVector<ReportItem>& items, bool numbers,
                            bool withTarget, const XlsxFormat& base, const RowColour& colourOf);
    // The closing rule across A to I of the row (5 high) and the serum indices in the row below,
    // three columns each. Returns the first row after them.
    static int writeClosing(XlsxDocument& doc, int row, const QVector<HtmlCell>& serum, const XlsxFormat& base);
    // Phone and e-mail in the row (closing up from A), the maker logo at H of the row below
    // and the address in A:F of the row below.
    static void writeContact(XlsxDocument& doc, int row, bool phone, bool email, bool address);
};
