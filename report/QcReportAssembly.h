#pragma once
#include "PanelQcResult.h"
#include "ReportItem.h"

#include <QJsonArray>
#include <QSet>
#include <QString>
#include <QVector>

#include <functional>

class qcReportPage;

// Fills a QC report page from a stored QC result and the print settings
// ("./saveFile/printsetting.ini" group "systemCfg": "QcChart", "QcPaper", "QcOptEnable",
// "QcFontsize", "QcCustomText").
class QcReportAssembly
{
public:
    using QcLimits = std::function<QVector<double>(const QString& code)>;
    using NameOf = std::function<QString(const QString& code)>;

    // Layout options, paper, font size, custom text and language.
    static void applySettings(qcReportPage& page);

    // Rows, error-code tail and header block of the QC result. An empty ticked set prints every
    // analyte. Returns false, leaving the page's rows and header block as they were, when the
    // result's analytes cannot be read.
    static bool fillFromResult(qcReportPage& page, const PanelQcResult& result, const QSet<QString>& ticked,
                               const QcLimits& qcLimits);

    // The printed rows of a QC run's analytes: the value as measured (entry 3 of a QC run is its
    // target, so only the upper measuring limit gives a limit text; a value below the analyte's
    // tolerance, -1000 among them, is a failed measurement and reads "---"), the target, and the QC
    // limits as the range when two are known for the code (else the stored range).
    static QVector<ReportItem> reportRows(const QJsonArray& analytes, const QSet<QString>& ticked, int unitMode,
                                          const QcLimits& qcLimits, const NameOf& nameOf);
};
