// Imports N reports of one device from the local cloud's MariaDB and prints the time beside the
// time the mariadb client takes to fetch the same rows (medians of a few runs), with the peak
// memory of each. Needs a running local cloud
// (tools/local-cloud/local-cloud start; LOCAL_CLOUD_DIR as there).
#include "CloudConfig.h"
#include "FileUtils.h"
#include "Indexdb.h"
#include "MysqlDatadb.h"
#include "NetworkImport.h"
#include "Userdb.h"
#include "dbHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {
const QString kDevice = QStringLiteral("BENCH-NET");

QString cloudDir()
{
    const QString d = qEnvironmentVariable("LOCAL_CLOUD_DIR");
    return d.isEmpty() ? QDir::homePath() + "/.cache/chemdesk-local-cloud" : d;
}

qint64 median(QVector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

// Peak resident memory of this process since the last resetPeak(), in kB.
qint64 peakRssKb()
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

void resetPeak()
{
    QFile f("/proc/self/clear_refs");
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Peak resident memory of the largest child waited for (the mariadb client), in kB.
qint64 childPeakRssKb()
{
    struct rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return u.ru_maxrss;
}

QByteArray client(const CloudConfig& c, const QString& sql, qint64* bytes = nullptr)
{
    QProcess p;
    p.start("mariadb", {"--no-defaults", "-h", c.mysqlHost, "-P", QString::number(c.mysqlPort), "-u", c.mysqlUser,
                        "-p" + c.mysqlPassword, "-B", "-N", c.mysqlDatabase, "-e", sql});
    QByteArray head;
    qint64 total = 0;
    while (p.state() != QProcess::NotRunning || p.bytesAvailable()) {
        p.waitForReadyRead(1000);
        const QByteArray chunk = p.readAllStandardOutput();
        total += chunk.size();
        if (head.size() < 64)
            head += chunk.left(64);
    }
    if (bytes)
        *bytes = total;
    return head.trimmed();
}
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString(argv[1]).toInt() : 100000;
    const QString dir = cloudDir();
    if (!QFile::exists(dir + "/cloud.ini")) {
        std::fprintf(stderr, "no local cloud in %s: start it with tools/local-cloud/local-cloud start\n", qPrintable(dir));
        return 1;
    }
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QDir().mkpath("saveFile");
    QFile::copy(dir + "/cloud.ini", "saveFile/cloud.ini");
    const CloudConfig cfg = CloudConfig::current();

    const int have = client(cfg, "select count(*) from report_card where machineid = '" + kDevice + "'").toInt();
    if (have < count) {
        std::printf("adding %d reports of %s to the local cloud...\n", count - have, qPrintable(kDevice));
        std::fflush(stdout);
        QProcess add;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LOCAL_CLOUD_DIR", dir);
        add.setProcessEnvironment(env);
        add.start(QStringLiteral(CHEMDESK_SOURCE_DIR) + "/tools/local-cloud/local-cloud",
                  {"add", kDevice, QString::number(count - have), "--no-notice"});
        add.waitForFinished(-1);
    }
    const QString select = "select * from report_card where machineid = '" + kDevice +
                           "' and resultserr = 0 order by id limit " + QString::number(count);
    const int runs = argc > 2 ? qMax(1, QString(argv[2]).toInt()) : 3;

    {
        QSettings mode("./saveFile/database.ini", QSettings::IniFormat);
        mode.setValue("systemCfg/get", 3);
    }
    MysqlDatadb cloud;
    Indexdb indexdb;
    Userdb userdb;
    QVector<qint64> clientMs, importMs, importPeakMb;
    qint64 bytes = 0;
    bool allStored = true;
    QElapsedTimer t;
    for (int run = 0; run < runs; ++run) {
        t.start();
        client(cfg, select, &bytes);
        clientMs << t.elapsed();

        // A first import into a fresh database, as on a new PC.
        dbHelper::getInstance()->close();
        QFile::remove("database.db3");
        copyFileIfMissing(":/DB/Chinese/database.db3", "database.db3");
        dbHelper::upgradeSchema("database.db3");
        dbHelper::getInstance()->openDatabase();
        NetworkImport import(cloud, indexdb, userdb);
        int stored = 0;
        resetPeak();
        const qint64 before = peakRssKb();
        t.restart();
        const NetworkImport::Status status = import.importDevice(kDevice, &stored);
        importMs << t.elapsed();
        importPeakMb << qMax(before, peakRssKb()) / 1024;
        allStored = allStored && status == NetworkImport::Status::Done && stored == count;
    }
    const qint64 clientPeakMb = childPeakRssKb() / 1024;

    QVector<PanelChkRecord> rows;
    t.restart();
    cloud.findReport(kDevice, 0, &rows);
    const qint64 fetchMs = t.elapsed();

    const qint64 clientMedian = median(clientMs);
    const qint64 importMedian = median(importMs);
    std::printf("reports of one device:           %d (%.1f MB as client text), median of %d runs\n", count,
                bytes / 1e6, runs);
    std::printf("mariadb client fetch (floor):    %lld ms, peak memory %lld MB\n",
                static_cast<long long>(clientMedian), static_cast<long long>(clientPeakMb));
    std::printf("NetworkImport (fetch + store):   %lld ms (%.2fx the floor), peak memory %lld MB%s\n",
                static_cast<long long>(importMedian), double(importMedian) / qMax<qint64>(1, clientMedian),
                static_cast<long long>(median(importPeakMb)), allStored ? "" : " (FAILED)");
    std::printf("MysqlDatadb::findReport (all rows in memory): %lld ms\n", static_cast<long long>(fetchMs));
    return allStored ? 0 : 1;
}
