#ifndef REPORTASSEMBLY_H
#define REPORTASSEMBLY_H

#include "ReportItem.h"

#include <QDateTime>
#include <QJsonArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class chkReportPage;
struct PanelChkRecord;

// Fills a test-report page from a stored sample result and the print settings
// ("./saveFile/printsetting.ini", "./saveFile/hospital.ini", "./saveFile/project.ini").
class ReportAssembly
{
public:
    using QcLimits = std::function<QVector<double>(const QString& code)>;
    using NameOf = std::function<QString(const QString& code)>;

    // Layout options, language and font size of the print settings.
    static void applySettings(chkReportPage& page);

    // Result rows, patient block, age text and error-code tail of the record. An empty ticked set
    // prints every analyte not hidden. Returns false, leaving rows and patient block empty, when
    // the test results cannot be read.
    static bool fillFromRecord(chkReportPage& page, const PanelChkRecord& record,
                               const QSet<QString>& ticked, const QcLimits& qcLimits);

    // The analytes to print of one result: the detail table's ticks belong to the result that
    // table shows, so they choose the analytes of that result only; any other prints them all.
    static QSet<QString> tickedFor(const QString& resultId, const QString& detailResultId,
                                   const QSet<QString>& detailTicks);

    // The printed rows of a test-results array.
    static QVector<ReportItem> reportRows(const QJsonArray& results, const QStringList& hidden,
                                          const QSet<QString>& ticked, int unitMode, bool qcRun,
                                          const QcLimits& qcLimits, const NameOf& nameOf);

    // "1岁1月" from 400 days (both words translated).
    static QString ageText(const QString& days);
    // "yyyy/MM/dd hh:mm:ss"; empty for the placeholder date 2020/01/01 00:00:00 when asked.
    static QString timeText(const QDateTime& time, bool placeholderIsEmpty);

    // Settings readers shared by the detail view and the report.
    static int unitMode();                                  // hospital.ini getModeSelect
    static QStringList hiddenAnalytes(int panelId);         // project.ini /hideProject/<panel>
    // The QC measuring limits kept in the configuration database (a QcLimits lookup).
    static QVector<double> storedQcLimits(const QString& code);
};

#endif // REPORTASSEMBLY_H
