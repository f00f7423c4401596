#include "BenchSupport.h"

#include "FileUtils.h"
#include "Indexdb.h"
#include "SystemSettings.h"
#include "dbHelper.h"

#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QImage>
#include <QSqlDatabase>
#include <algorithm>
#include <cstdio>

PanelChkRecord benchRecord(int i)
{
    PanelChkRecord r;
    r.machineid = QStringLiteral("CDSIM0001");
    r.chkdatetime = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(qint64(i) * 600);
    r.panelid = i % 3;
    r.patientinfo = QStringLiteral("{\"name\":\"Lucky%1\",\"age\":\"400\",\"division\":\"1\",\"sex\":\"0\","
                                   "\"swatchType\":\"0\",\"id\":\"S%1\",\"number\":\"P%1\"}").arg(i);
    r.testresults = QStringLiteral("[{\"N\":\"TP\",\"I\":[65.2,52,82,20,120,\"g/L\"]},"
                                   "{\"N\":\"ALB\",\"I\":[31.4,22,39,10,60,\"g/L\"]},"
                                   "{\"N\":\"ALT\",\"I\":[45,10,100,5,1000,\"U/L\"]}]");
    r.speciesname = QStringLiteral("1");
    r.animalsexname = QStringLiteral("0");
    r.sampletypename = QStringLiteral("0");
    return r;
}

void storeBenchRecords(int count)
{
    Indexdb db;
    QSqlDatabase::database().transaction();
    for (int i = 0; i < count; ++i) {
        PanelChkRecord r = benchRecord(i);
        db.insertData(r);
    }
    QSqlDatabase::database().commit();
}

void openBenchDatabase()
{
    QDir().mkpath(QStringLiteral("saveFile"));
    copyFileIfMissing(QStringLiteral(":/DB/Chinese/database.db2"), QStringLiteral("database.db2"));
    dbHelper::upgradeSchema(QStringLiteral("database.db2"));
    dbHelper::getInstance()->close();
    dbHelper::getInstance()->openDatabase();
}

void writeBenchClinic()
{
    setHospitalValues({{QStringLiteral("hospital"), QStringLiteral("安心动物医院")},
                       {QStringLiteral("address"), QStringLiteral("滨江路 8 号")},
                       {QStringLiteral("phone"), QStringLiteral("0571-1234")},
                       {QStringLiteral("email"), QStringLiteral("vet@example.org")}});
    QImage logo(400, 100, QImage::Format_RGB32);
    logo.fill(Qt::darkCyan);
    logo.save(QStringLiteral("print_logo.png"));
}

QVector<int> benchCounts(int argc, char* argv[], const QVector<int>& defaults)
{
    QVector<int> counts;
    for (int i = 1; i < argc; ++i)
        counts << QString::fromLocal8Bit(argv[i]).toInt();
    return counts.isEmpty() ? defaults : counts;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

double timeRuns(int count, const std::function<bool(int run)>& step)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < count; ++i) {
        if (!step(i))
            return -1;
    }
    return t.nsecsElapsed() / 1e6;
}

void useOffscreenByDefault()
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
}

bool enterBenchFolder(const QTemporaryDir& dir)
{
    if (dir.isValid() && QDir::setCurrent(dir.path()))
        return true;
    std::fprintf(stderr, "no temporary folder\n");
    return false;
}
