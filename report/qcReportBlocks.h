#pragma once
#include "QcReportInfo.h"
#include "ReportItem.h"
#include "reportFragments.h"

#include <QString>
#include <QVector>

// The QC report's options: bit n of the option mask switches option n off.
namespace QcOption {
enum : int {
    Logo = 1, Phone = 2, Email = 3, Address = 4, Product = 5, Lot = 6, Division = 7,
    NumberColumn = 8, Inspector = 9, Reviewer = 10, CheckTime = 11, PrintTime = 12,
    SerialNumber = 13, CustomText = 14,
    Count = 14
};
}

// The title, contact block and body of the QC report, written once over the element kind:
// Node is elementBase for the printed report and elementTemplate for the settings preview.
// Data values are HTML-escaped; the custom statement goes in as written.
template <class Node>
class qcReportBlocks
{
public:
    static QString title(const reportFragments<Node>& page, const QcReportInfo& info);
    static QString contact(const reportFragments<Node>& page);
    static QString body(const reportFragments<Node>& page, const QcReportInfo& info,
                        const QVector<ReportItem>& rows);

    // The translated name of a QC material: "质控一" for 0, "质控二" for any other value.
    static QString productName(int qcProduct);
};

class elementBase;
class elementTemplate;
extern template class qcReportBlocks<elementBase>;
extern template class qcReportBlocks<elementTemplate>;
