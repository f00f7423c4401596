// Time from launch to the main window shown, and the peak memory of that process, with 50,000
// results stored (or the counts given), beside the live-list query alone: the full query of
// every live result, the floor of a list that reads them all, and the first page of the list.
// The program starts itself once per launch ("--launch <dir>"), as the real program starts:
// schema upgrade, language, database, window.
// Run: QT_QPA_PLATFORM=offscreen ./bench_startup [stored counts...]
#include "BenchSupport.h"
#include "FileUtils.h"
#include "Index.h"
#include "Indexdb.h"
#include "LanguageLoader.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "dbHelper.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace {
// Peak resident memory of this process in MB.
double peakMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// The launched program: starts as main() does and reports once the window is shown and painted.
int launch(int argc, char* argv[], const QString& dir)
{
    QApplication app(argc, argv);
    QDir::setCurrent(dir);
    PcComData::getInstance()->stopScanPort();
    LanguageLoader::instance();
    dbHelper::upgradeSchema(QStringLiteral("database.db2"));
    setLanguage(getLanguage());
    if (!dbHelper::getInstance()->openDatabase())
        return 2;
    Index window;
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
    std::printf("shown %.1f\n", peakMb());
    std::fflush(stdout);
    return 0;
}
}

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--launch")
        return launch(argc, argv, QString::fromLocal8Bit(argv[2]));

    QApplication app(argc, argv);
    PcComData::getInstance()->stopScanPort();
    const QVector<int> counts = benchCounts(argc, argv, {50000});
    std::printf("stored results | launch to window shown | peak memory | (live query alone) | (first page alone)\n");
    for (int stored : qAsConst(counts)) {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        copyFileIfMissing(QStringLiteral(":/DB/Chinese/database.db3"), QStringLiteral("database.db3"));
        openBenchDatabase();
        storeBenchRecords(stored);
        QVector<double> queryMs, pageMs;
        {
            Indexdb db;
            for (int k = 0; k < 3; ++k) {
                QElapsedTimer t;
                t.start();
                QVector<PanelChkRecord> live;
                Indexdb().queryLive(&live);
                queryMs << t.nsecsElapsed() / 1e6;
                t.restart();
                QVector<PanelChkRecord> page;
                QVector<QVariant> keys;
                db.queryListPage(nullptr, nullptr, 200, &page, &keys);
                pageMs << t.nsecsElapsed() / 1e6;
            }
        }
        dbHelper::getInstance()->close();

        QVector<double> launchMs, memoryMb;
        for (int k = 0; k < 3; ++k) {
            QProcess program;
            program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QElapsedTimer t;
            t.start();
            program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--launch"), dir.path()});
            QByteArray line;
            while (!line.startsWith("shown") && program.waitForReadyRead(60000))
                line += program.readAll();
            const double ms = t.nsecsElapsed() / 1e6;
            program.waitForFinished(60000);
            if (!line.startsWith("shown")) {
                std::printf("launch failed\n");
                return 1;
            }
            launchMs << ms;
            memoryMb << line.mid(6).trimmed().toDouble();
        }
        std::printf("%14d | %19.0f ms | %8.0f MB | %15.0f ms | %15.1f ms\n", stored, median(launchMs),
                    median(memoryMb), median(queryMs), median(pageMs));
        std::fflush(stdout);
        QDir::setCurrent(QDir::tempPath());
    }
    return 0;
}
