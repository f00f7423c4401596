#pragma once
// Sample QC run shared by the QC report tests.
#include "QcReportInfo.h"
#include "report_fixture.h"

#include <QVector>

namespace qcreport_fixture {

// Four rows: inside the QC range, above it, below it, and one without a range.
inline QVector<ReportItem> fourRows()
{
    QVector<ReportItem> rows{report_fixture::item("TP", "总蛋白", 65, 50, 70, "65", "g/L", 120),
                             report_fixture::item("ALB", "白蛋白", 32.5, 20, 30, "32.5", "g/L", 60),
                             report_fixture::item("GLU", "葡萄糖", 4.2, 5, 6, "4.2", "mmol/L", 30),
                             report_fixture::item("CRE", "肌酐", 88, 0, 0, "88", "umol/L")};
    rows[0].target = "60";
    rows[1].target = "25";
    rows[2].target = "5.5";
    rows[3].target = "90";
    return rows;
}

// The header block of one QC run (markup in the lot, HTML in the custom statement).
inline void fillInfo(QcReportInfo& info)
{
    info.qcProduct = 1;
    info.qcLot = QStringLiteral("L<2024> & A");
    info.division = QStringLiteral("内科");
    info.testTime = QStringLiteral("2024/05/20 09:30:00");
    info.tester = QStringLiteral("张三");
    info.reviewer = QStringLiteral("李四");
    info.customText = QStringLiteral("<b>质控</b>说明");
    info.serialNumber = QStringLiteral("QV100200");
}

} // namespace qcreport_fixture
