#pragma once
#include "ReportItem.h"
#include "ReportPatientInfo.h"
#include "ResultDetail.h"

#include <QString>
#include <QVector>

class chkReportPage;
struct PanelChkRecord;

// The merged report without its window: the table rows of a merged record, and the report page
// made from the table and case fields as the user left them.
class ConsolidatedTable
{
public:
    using QcLimits = ResultDetail::QcLimits;
    using NameOf = ResultDetail::NameOf;

    // One row per analyte of the record's test results, in stored order (nothing is hidden here:
    // the merge left the hidden analytes out already). Values, ranges, targets and measuring
    // limits in the unit system shown (unit mode 1 conventional, any other SI). A text that is
    // not a JSON array gives no rows.
    static QVector<ResultDetailRow> rows(const PanelChkRecord& record, int unitMode,
                                         const QcLimits& qcLimits, const NameOf& nameOf);

    // A printed row from a table row's texts. The value is the one the table was filled with
    // while the result text is as filled; an edited result text gives its own number (0 when
    // it is none). Low and high come from the range text ("low-high", 0 and 0 otherwise).
    static ReportItem reportItem(const QString& code, const QString& resultText,
                                 const QString& filledText, double filledValue,
                                 const QString& rangeText, const QString& unit, const NameOf& nameOf);

    // "2岁" and, when months are given, "3月" after it (both words translated).
    static QString ageText(const QString& years, const QString& months);

    // Fills a page in its initial state: the print settings ("./saveFile/printsetting.ini"), the
    // rows, the header texts (the custom text comes from the settings) and the age text.
    static void fill(chkReportPage& page, const QVector<ReportItem>& items,
                     const ReportPatientInfo& info, const QString& ageText);

    // Report pages per printed sheet for print and preview: 2 for paper mode 0, else 1.
    static int pagesPerSheet();
};
