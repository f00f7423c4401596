#pragma once
#include "HtmlCell.h"
#include "ReportItem.h"
#include "ReportPatientInfo.h"

#include <QString>
#include <QVector>

// The three blocks of the test report (results section, heading, contact block), written once
// for the printed page (Node elementBase) and its settings template preview (Node
// elementTemplate), so that the preview shows exactly what prints. Node is the kind of the
// numbered parts the builders make themselves; the plain frame is always elementBase.
template <class Page, class Node>
struct testReportBuilder
{
    static QString body(const Page& page, const QVector<ReportItem>& rows);
    static QString title(const Page& page);
    static QString contact(const Page& page);
};

// The numbered cells of the test report, shared by the HTML blocks and the workbook; prepare
// turns each value into what the output takes (escaped for HTML, as is for the workbook).
struct testReportCells
{
    // Heading fields, options 5 to 13.
    static QVector<HtmlCell> headingFields(const ReportPatientInfo& p, const QString& ageText,
                                           QString (*prepare)(const QString&));
    // People and times below the results, options 15 to 20.
    static QVector<HtmlCell> peopleCells(const ReportPatientInfo& p, QString (*prepare)(const QString&));
};
