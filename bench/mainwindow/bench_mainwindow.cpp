// Time the main window takes to handle one arriving analyzer record (store it, show it in the
// result list, reload the QC tab, then lay out and paint the shown window) with 1,000, 10,000
// and 50,000 results already stored. The full live query alone (what a reload of the whole list
// would cost) is timed apart, outside the total, as the floor of the old way.
// Run: QT_QPA_PLATFORM=offscreen ./bench_mainwindow [stored counts...]
#include "BenchSupport.h"
#include "Index.h"
#include "Indexdb.h"
#include "PcComData.h"
#include "dbHelper.h"
#include "ui_Index.h"
#include "wgtQcReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>


int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PcComData::getInstance()->stopScanPort();
    const QVector<int> counts = benchCounts(argc, argv, {1000, 10000, 50000});
    std::printf("stored results | store one | list update | QC tab reload | layout+paint | total per record "
                "| (live query alone) | reading pass\n");
    for (int stored : qAsConst(counts)) {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        openBenchDatabase();
        storeBenchRecords(stored);
        QVector<double> storeMs, listMs, qcMs, paintMs, totalMs, queryMs;
        {
            Index w;
            w.show();
            QApplication::processEvents();
            for (int k = 0; k < 7; ++k) {
                PanelChkRecord r = benchRecord(stored + k);
                QElapsedTimer t;
                t.start();
                w.m_indexdb.insertData(r);
                const double a = t.nsecsElapsed() / 1e6;
                w.showNewResults();
                const double b = t.nsecsElapsed() / 1e6;
                w.form()->wgt_qc_report->refreshData();
                const double c = t.nsecsElapsed() / 1e6;
                QApplication::processEvents();
                const double d = t.nsecsElapsed() / 1e6;
                storeMs << a;
                listMs << b - a;
                qcMs << c - b;
                paintMs << d - c;
                totalMs << d;
            }
            // Timed after the records, so that its reading of every row does not cool the
            // caches the records run with.
            for (int k = 0; k < 7; ++k) {
                QVector<PanelChkRecord> live;
                QElapsedTimer t;
                t.start();
                w.m_indexdb.queryLive(&live);
                queryMs << t.nsecsElapsed() / 1e6;
            }
            // CHEMDESK_SHOT=<file.png> keeps a picture of the filled window.
            if (qEnvironmentVariableIsSet("CHEMDESK_SHOT")) {
                w.setWindowState(Qt::WindowNoState);
                w.resize(1411, 825);
                QApplication::processEvents();
                w.grab().save(qEnvironmentVariable("CHEMDESK_SHOT"));
                for (int q = 0; q < 3; ++q) {
                    PanelQcResult qc;
                    qc.QcProduct = q % 2;
                    qc.QcLot = q == 1 ? QString(60, QLatin1Char('L')) : QStringLiteral("QC2405%1").arg(q);
                    qc.division = QStringLiteral("1");
                    qc.machineid = QStringLiteral("CDSIM0001");
                    qc.chkdatetime = QDateTime(QDate(2024, 5, 1 + q), QTime(9, 0));
                    qc.result = QStringLiteral("[{\"N\":\"TP\",\"I\":[65,0,0,60,0,\"g/L\"]}]");
                    w.m_indexdb.insertQcResult(qc);
                }
                w.form()->wgt_qc_report->refreshData();
                w.form()->tabWidget->setCurrentIndex(1);
                QApplication::processEvents();
                w.grab().save(qEnvironmentVariable("CHEMDESK_SHOT").replace(".png", "-qc.png"));
            }
        }
        std::printf("%14d | %6.1f ms | %8.1f ms | %10.1f ms | %9.1f ms | %13.1f ms | %15.1f ms | %d ms\n", stored,
                    median(storeMs), median(listMs), median(qcMs), median(paintMs), median(totalMs),
                    median(queryMs), PcComData::ReadIntervalMs);
        std::fflush(stdout);
        dbHelper::getInstance()->close();
        QDir::setCurrent(QDir::tempPath());
    }
    return 0;
}
