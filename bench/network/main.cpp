// Imports N reports of one device from the local cloud's MariaDB and prints the time beside the
// time the mariadb client takes to fetch the same rows. Needs a running local cloud
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
#include <cstdio>

namespace {
const QString kDevice = QStringLiteral("BENCH-NET");

QString cloudDir()
{
    const QString d = qEnvironmentVariable("LOCAL_CLOUD_DIR");
    return d.isEmpty() ? QDir::homePath() + "/.cache/chemdesk-local-cloud" : d;
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

    QElapsedTimer t;
    t.start();
    qint64 bytes = 0;
    client(cfg, select, &bytes);
    const qint64 clientMs = t.elapsed();

    MysqlDatadb cloud;
    QVector<PanelChkRecord> rows;
    t.restart();
    cloud.findReport(kDevice, 0, &rows);
    const qint64 fetchMs = t.elapsed();
    rows.clear();
    rows.squeeze();

    {
        QSettings mode("./saveFile/database.ini", QSettings::IniFormat);
        mode.setValue("systemCfg/get", 3);
    }
    copyFileIfMissing(":/DB/Chinese/database.db3", "database.db3");
    dbHelper::upgradeSchema("database.db3");
    dbHelper::getInstance()->openDatabase();
    Indexdb indexdb;
    Userdb userdb;
    NetworkImport import(cloud, indexdb, userdb);
    int stored = 0;
    t.restart();
    const NetworkImport::Status status = import.importDevice(kDevice, &stored);
    const qint64 importMs = t.elapsed();

    std::printf("reports of one device:           %d (%.1f MB as client text)\n", count, bytes / 1e6);
    std::printf("mariadb client fetch (floor):    %lld ms\n", static_cast<long long>(clientMs));
    std::printf("MysqlDatadb::findReport:         %lld ms\n", static_cast<long long>(fetchMs));
    std::printf("NetworkImport (fetch + store):   %lld ms, %d rows stored%s\n", static_cast<long long>(importMs),
                stored, status == NetworkImport::Status::Done ? "" : " (FAILED)");
    return status == NetworkImport::Status::Done && stored == count ? 0 : 1;
}
