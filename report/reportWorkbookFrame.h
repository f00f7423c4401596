#pragma once
#include "XlsxFormat.h"

#include <QColor>
#include <QString>

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
    // Phone and e-mail in the row (closing up from A), the maker logo at H of the row below
    // and the address in A:F of the row below.
    static void writeContact(XlsxDocument& doc, int row, bool phone, bool email, bool address);
};
