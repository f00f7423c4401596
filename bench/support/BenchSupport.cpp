#include "BenchSupport.h"

#include "FileUtils.h"
#include "IniFile.h"
#include "Indexdb.h"
#include "SystemSettings.h"
#include "dbHelper.h"

#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QImage>
#include <QProcess>
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

PanelQcResult benchQcRun(int i)
{
    PanelQcResult r;
    r.machineid = QStringLiteral("CDSIM0001");
    r.chkdatetime = QDateTime(QDate(2020, 1, 1), QTime(8, 5)).addSecs(qint64(i) * 3600);
    r.QcProduct = i % 2;
    r.QcLot = QStringLiteral("QC24%1").arg(i % 12, 2, 10, QLatin1Char('0'));
    r.division = QString::number(i % 6);
    r.panelid = 3;
    r.panelindex = i % 40;
    r.panellot = QStringLiteral("2401");
    r.result = QStringLiteral("[{\"N\":\"TP\",\"I\":[65.2,0,0,64,0,\"g/L\"]},"
                              "{\"N\":\"ALB\",\"I\":[31.4,0,0,30,0,\"g/L\"]},"
                              "{\"N\":\"ALT\",\"I\":[45,0,0,44,0,\"U/L\"]}]");
    r.Errcode = QStringLiteral("0000");
    r.patientinfo = QStringLiteral("{\"Qc\":true}");
    return r;
}

int storeClinicMix(int samples)
{
    Indexdb db;
    QSqlDatabase::database().transaction();
    int runs = 0;
    for (int i = 0; i < samples; ++i) {
        PanelChkRecord r = benchRecord(i);
        if (i % 5 < 2) {
            r.mastername = QStringLiteral("Owner %1").arg(i);
            r.sampletypename = QStringLiteral("1");
            r.sendinspectorname = QStringLiteral("Dr. Rossi");
            r.sendinspectordate = r.chkdatetime.addSecs(-1800);
            r.sampletime = r.chkdatetime.addSecs(-3600);
            r.inspectorname = QStringLiteral("Bianchi");
            r.reviewername = QStringLiteral("Verdi");
            r.clinicalinformation = QStringLiteral("Vomiting for two days, reduced appetite, mild fever.");
            r.remark = QStringLiteral("Fasted 12 h");
        }
        if (i % 50 == 49)
            r.state = 0;
        db.insertData(r);
        if (i % 6 == 5) {
            PanelQcResult qc = benchQcRun(runs++);
            qc.chkdatetime = r.chkdatetime.addSecs(60);
            db.insertQcResult(qc);
        }
    }
    QSqlDatabase::database().commit();
    return runs;
}

void writeBenchLanguage(const QString& language)
{
    writeIniValues(QStringLiteral("./saveFile/systemsetting.ini"), QStringLiteral("ChangeLanguage"),
                   {{QStringLiteral("Language"), language}});
}

double sqliteToolMs(const QString& file, const QString& sql)
{
    QProcess tool;
    tool.start(QStringLiteral("sqlite3"), {file});
    if (!tool.waitForStarted(5000))
        return -1;
    tool.write(QByteArray(".timer on\n") + sql.toUtf8() + ";\n");
    tool.closeWriteChannel();
    if (!tool.waitForFinished(60000))
        return -1;
    // "Run Time: real 0.004 user 0.003 sys 0.000"
    const QByteArray out = tool.readAllStandardOutput();
    const int at = out.lastIndexOf("Run Time: real ");
    if (at < 0)
        return -1;
    return out.mid(at + 15).split(' ').value(0).toDouble() * 1000.0;
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
