// Time the main window takes to handle one arriving analyzer record, sample result and QC run
// alike (store it, hand it to the window as the serial conversation does, then lay out and paint
// the shown window), over a clinic's mix: 1,000, 10,000 and 50,000 sample results (two in five
// with case fields, every 50th deleted) and one QC run per six samples, English chosen. Beside
// it, its floor: the store of the record and the read-back of its row by id, bare SQL. Then the
// refresh of the result list after scrolling through every result, beside the sqlite3 tool
// reading the first page the same way; and the result-count poll beside the sqlite3 tool counting
// the machine's rows the same way.
// Run: QT_QPA_PLATFORM=offscreen ./bench_mainwindow [stored counts...]
#include "AnalyzerConversation.h"
#include "BenchSupport.h"
#include "Index.h"
#include "Indexdb.h"
#include "LanguageLoader.h"
#include "PcComData.h"
#include "ResultListModel.h"
#include "SystemSettings.h"
#include "dbHelper.h"
#include "ui_Index.h"
#include "wgtQcReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
// The stored row read back by id, as bare SQL.
void readBack(const char* table, int id)
{
    QSqlQuery q;
    q.prepare(QStringLiteral("select * from %1 where id = ?").arg(QLatin1String(table)));
    q.addBindValue(id);
    q.exec();
    q.next();
}

int lastId(const char* table)
{
    QSqlQuery q(QStringLiteral("select max(id) from %1").arg(QLatin1String(table)));
    return q.next() ? q.value(0).toInt() : 0;
}

void scrollThroughAll(QAbstractItemModel* m)
{
    while (m->canFetchMore(QModelIndex()))
        m->fetchMore(QModelIndex());
}
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PcComData::getInstance()->stopScanPort();
    LanguageLoader::instance();
    const QVector<int> counts = benchCounts(argc, argv, {1000, 10000, 50000});
    std::printf("samples + QC runs | sample arrives | QC run arrives | (floor: store + read back) "
                "| refresh after scrolling all | (floor: sqlite3 first page) | QC tab refresh after scrolling all "
                "| count poll | (floor: sqlite3 count)\n");
    for (int stored : qAsConst(counts)) {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        openBenchDatabase();
        writeBenchLanguage(QStringLiteral("English"));
        setLanguage(getLanguage());
        const int runs = storeClinicMix(stored);
        QVector<double> sampleMs, qcMs, floorMs, refreshMs, qcRefreshMs, toolMs, countMs, countToolMs;
        {
            Index w;
            w.show();
            QApplication::processEvents();
            auto* conversation = w.findChild<AnalyzerConversation*>();
            for (int k = 0; k < 14; ++k) {
                const bool qc = k % 2 == 1;
                QElapsedTimer t;
                t.start();
                if (qc) {
                    PanelQcResult r = benchQcRun(runs + k);
                    r.chkdatetime = QDateTime(QDate(2030, 1, 1), QTime(8, 0)).addSecs(k * 60);
                    w.m_indexdb.insertQcResult(r);
                } else {
                    PanelChkRecord r = benchRecord(stored + k);
                    r.chkdatetime = QDateTime(QDate(2030, 1, 1), QTime(8, 0)).addSecs(k * 60);
                    w.m_indexdb.insertData(r);
                }
                emit conversation->resultStored(stored + runs + k + 1, qc);
                QApplication::processEvents();
                (qc ? qcMs : sampleMs) << t.nsecsElapsed() / 1e6;
            }
            // The floor: the same stores and read-backs without the window.
            for (int k = 0; k < 14; ++k) {
                const bool qc = k % 2 == 1;
                QElapsedTimer t;
                t.start();
                if (qc) {
                    PanelQcResult r = benchQcRun(runs + 14 + k);
                    w.m_indexdb.insertQcResult(r);
                    readBack("PanelQcResult", lastId("PanelQcResult"));
                } else {
                    PanelChkRecord r = benchRecord(stored + 14 + k);
                    w.m_indexdb.insertData(r);
                    readBack("PanelChkResult", lastId("PanelChkResult"));
                }
                floorMs << t.nsecsElapsed() / 1e6;
            }
            QAbstractItemModel* list = w.resultModel();
            QAbstractItemModel* qcList = w.form()->wgt_qc_report->findChild<QTableView*>("tableWidget_qc")->model();
            for (int k = 0; k < 5; ++k) {
                scrollThroughAll(list);
                QApplication::processEvents();
                QElapsedTimer t;
                t.start();
                w.refreshTable();
                QApplication::processEvents();
                refreshMs << t.nsecsElapsed() / 1e6;

                scrollThroughAll(qcList);
                QApplication::processEvents();
                t.restart();
                w.form()->wgt_qc_report->refreshData();
                QApplication::processEvents();
                qcRefreshMs << t.nsecsElapsed() / 1e6;
            }
            for (int k = 0; k < 5; ++k)
                toolMs << sqliteToolMs(QStringLiteral("database.db2"),
                                       QStringLiteral("select id, chkdatetime, machineid, panelid, patientinfo, "
                                                      "speciesname, animalsexname from PanelChkResult where state = 1 "
                                                      "and status = 1 and chkdatetime is not null "
                                                      "ORDER BY chkdatetime DESC, id DESC limit 200"));
            for (int k = 0; k < 7; ++k) {
                QElapsedTimer t;
                t.start();
                w.m_indexdb.countByMachine(QStringLiteral("CDSIM0001"));
                countMs << t.nsecsElapsed() / 1e6;
                countToolMs << sqliteToolMs(
                    QStringLiteral("database.db2"),
                    QStringLiteral("select (select count(*) from PanelChkResult where machineid = 'CDSIM0001') - "
                                   "(select count(*) from PanelChkResult where machineid = 'CDSIM0001' and "
                                   "ifnull(testType, 0) = 1 and ifnull(status, 1) = 0 and ifnull(testresults, '') "
                                   "<> '') + (select count(*) from PanelQcResult where machineid = 'CDSIM0001')"));
            }
            // CHEMDESK_SHOT=<file.png> keeps a picture of the filled window and of its QC tab.
            if (qEnvironmentVariableIsSet("CHEMDESK_SHOT")) {
                w.setWindowState(Qt::WindowNoState);
                w.resize(1411, 825);
                QApplication::processEvents();
                w.grab().save(qEnvironmentVariable("CHEMDESK_SHOT"));
                w.form()->tabWidget->setCurrentIndex(1);
                QApplication::processEvents();
                w.grab().save(qEnvironmentVariable("CHEMDESK_SHOT").replace(".png", "-qc.png"));
            }
        }
        std::printf("%8d + %6d | %11.2f ms | %11.2f ms | %22.2f ms | %24.1f ms | %24.1f ms | %30.1f ms "
                    "| %7.2f ms | %18.2f ms\n", stored, runs, median(sampleMs), median(qcMs), median(floorMs),
                    median(refreshMs), median(toolMs), median(qcRefreshMs), median(countMs), median(countToolMs));
        std::fflush(stdout);
        dbHelper::getInstance()->close();
        QDir::setCurrent(QDir::tempPath());
    }
    return 0;
}
