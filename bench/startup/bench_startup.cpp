// Time from launch to the main window shown, and the peak memory of that process, over a
// clinic's mix: 1,000, 10,000 and 50,000 sample results (or the counts given; two in five with
// case fields, every 50th deleted) and one QC run per six samples, English chosen. Each launch
// runs once with no cloud listening and once with a cloud address that accepts and never
// answers (127.0.0.1:8080, so run it in a network namespace of its own: unshare -n). Beside
// them, the floor: a bare Qt launch showing an empty window, and the first page of the list
// alone. The program starts itself once per launch ("--launch <dir>", "--bare"), as the real
// program starts: schema upgrade, language, database, window, configuration download.
// Run: QT_QPA_PLATFORM=offscreen ./bench_startup [stored counts...]
#include "BenchSupport.h"
#include "FileUtils.h"
#include "Index.h"
#include "Indexdb.h"
#include "LanguageLoader.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "dbHelper.h"
#include "httpBusiness.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QSettings>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <vector>
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

void reportShown(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
    std::printf("shown %.1f\n", peakMb());
    std::fflush(stdout);
}

// The launched program: starts as main() does and reports once the window is shown and painted.
int launch(int argc, char* argv[], const QString& dir)
{
    QApplication app(argc, argv);
    QDir::setCurrent(dir);
    PcComData::getInstance()->stopScanPort();
    LanguageLoader::instance();
    dbHelper::upgradeSchema(QStringLiteral("database.db2"));
    dbHelper::upgradeSchema(QStringLiteral("database.db3"));
    setLanguage(getLanguage());
    if (!dbHelper::getInstance()->openDatabase())
        return 2;
    Index window;
    window.show();
    httpBusiness::startConfigDbDownload(&window);
    reportShown(window);
    return 0;
}

// The floor: a bare Qt program showing an empty window.
int bare(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1411, 825);
    window.show();
    reportShown(window);
    return 0;
}

// Launches this program with the arguments until it reports the window shown: the milliseconds
// and the peak memory; -1 when it failed.
bool timeLaunch(const QStringList& args, double* ms, double* mb)
{
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    program.start(QCoreApplication::applicationFilePath(), args);
    QByteArray line;
    while (!line.startsWith("shown") && program.waitForReadyRead(60000))
        line += program.readAll();
    *ms = t.nsecsElapsed() / 1e6;
    program.waitForFinished(60000);
    if (!line.startsWith("shown"))
        return false;
    *mb = line.mid(6).trimmed().toDouble();
    return true;
}
}

// One stored mix and what its launches measured.
struct Mix
{
    int stored = 0;
    int runs = 0;
    std::unique_ptr<QTemporaryDir> dir;
    QVector<double> pageMs, schemaMs, refusedMs, silentMs, memoryMb, bareMs;
};

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--launch")
        return launch(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && QByteArray(argv[1]) == "--bare")
        return bare(argc, argv);

    QApplication app(argc, argv);
    PcComData::getInstance()->stopScanPort();
    const QVector<int> counts = benchCounts(argc, argv, {1000, 10000, 50000});
    std::vector<Mix> mixes(counts.size());
    for (int i = 0; i < counts.size(); ++i) {
        Mix& m = mixes[i];
        m.stored = counts.at(i);
        m.dir.reset(new QTemporaryDir);
        QDir::setCurrent(m.dir->path());
        copyFileIfMissing(QStringLiteral(":/DB/Chinese/database.db3"), QStringLiteral("database.db3"));
        openBenchDatabase();
        writeBenchLanguage(QStringLiteral("English"));
        m.runs = storeClinicMix(m.stored);
        {
            Indexdb db;
            for (int k = 0; k < 3; ++k) {
                QElapsedTimer t;
                t.start();
                QVector<PanelChkRecord> page;
                QVector<QVariant> keys;
                db.queryListPage(nullptr, nullptr, 200, &page, &keys);
                m.pageMs << t.nsecsElapsed() / 1e6;
            }
        }
        dbHelper::getInstance()->close();
        for (int k = 0; k < 3; ++k) {
            QElapsedTimer t;
            t.start();
            dbHelper::upgradeSchema(QStringLiteral("database.db2"));
            m.schemaMs << t.nsecsElapsed() / 1e6;
        }
    }
    QTcpServer silent;
    if (!silent.listen(QHostAddress::LocalHost, 8080)) {
        std::printf("port 8080 busy: run in a network namespace of its own (unshare -n)\n");
        return 1;
    }
    // Rounds over every mix in turn, so that a change of the machine's load falls on all alike.
    for (int k = 0; k < 7; ++k) {
        for (Mix& m : mixes) {
            QDir::setCurrent(m.dir->path());
            double ms = 0, mb = 0;
            if (!timeLaunch({QStringLiteral("--bare")}, &ms, &mb)) {
                std::printf("bare launch failed\n");
                return 1;
            }
            m.bareMs << ms;
            // No cloud: the download is refused at once.
            QSettings ini(QStringLiteral("saveFile/cloud.ini"), QSettings::IniFormat);
            ini.setValue(QStringLiteral("cn/httpHost"), QStringLiteral("127.0.0.2"));
            ini.sync();
            if (!timeLaunch({QStringLiteral("--launch"), m.dir->path()}, &ms, &mb)) {
                std::printf("launch failed\n");
                return 1;
            }
            m.refusedMs << ms;
            m.memoryMb << mb;
            // A cloud that accepts and never answers.
            ini.setValue(QStringLiteral("cn/httpHost"), QStringLiteral("127.0.0.1"));
            ini.sync();
            if (!timeLaunch({QStringLiteral("--launch"), m.dir->path()}, &ms, &mb)) {
                std::printf("launch failed\n");
                return 1;
            }
            m.silentMs << ms;
            m.memoryMb << mb;
        }
    }
    std::printf("samples + QC runs | launch to window shown (cloud refuses | never answers) | peak memory "
                "| to the launch at %d | (floor: bare Qt launch) | (first page alone) | schema step, nothing to move\n",
                counts.first());
    const double firstLaunch = qMax(median(mixes.front().refusedMs), median(mixes.front().silentMs));
    for (const Mix& m : mixes) {
        const double launchMs = qMax(median(m.refusedMs), median(m.silentMs));
        std::printf("%8d + %6d | %19.0f ms | %13.0f ms | %8.0f MB | %15.2fx | %21.0f ms | %15.1f ms | %25.1f ms\n",
                    m.stored, m.runs, median(m.refusedMs), median(m.silentMs),
                    *std::max_element(m.memoryMb.begin(), m.memoryMb.end()), launchMs / firstLaunch,
                    median(m.bareMs), median(m.pageMs), median(m.schemaMs));
    }
    std::fflush(stdout);
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
