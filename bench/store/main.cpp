// Stores 50,000 results in one transaction into a fresh main database, then runs the live-result
// list query, and prints both times.
#include "Indexdb.h"
#include "dbHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50000;
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path())) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    if (!dbHelper::prepareMainDatabases() || !dbHelper::getInstance()->openDatabase()) {
        std::fprintf(stderr, "cannot open the main database\n");
        return 1;
    }

    const QString results = QStringLiteral(
        "[{\"N\":\"TP\",\"I\":[61.2,52,82,40,120,\"g/L\"]},{\"N\":\"ALB\",\"I\":[31.5,22,39,10,60,\"g/L\"]},"
        "{\"N\":\"ALT\",\"I\":[48,10,125,5,1000,\"U/L\"]},{\"N\":\"CRE\",\"I\":[98,44,159,10,2000,\"umol/L\"]},"
        "{\"N\":\"BUN\",\"I\":[6.1,2.5,9.6,1,50,\"mmol/L\"]},{\"N\":\"GLU\",\"I\":[5.6,4.11,7.95,1,40,\"mmol/L\"]}]");
    const QDateTime start(QDate(2024, 1, 1), QTime(8, 0));
    Indexdb db;

    QElapsedTimer timer;
    timer.start();
    QSqlDatabase main = QSqlDatabase::database();
    main.transaction();
    for (int i = 0; i < count; ++i) {
        PanelChkRecord r;
        r.chkdatetime = start.addSecs(qint64(i) * 97);
        r.machineid = QStringLiteral("QV%1").arg(1000 + i % 5);
        r.panelid = 3;
        r.panelindex = i + 1;
        r.panellot = 2401;
        r.patientinfo = QStringLiteral("{\"name\":\"宠物%1\",\"age\":%2,\"division\":1,\"id\":\"S%1\"}").arg(i).arg(365 + i % 3000);
        r.testresults = results;
        r.speciesname = QStringLiteral("内科");
        r.state = i % 50 == 0 ? 0 : 1;
        if (!db.insertData(r)) {
            std::fprintf(stderr, "insert %d failed\n", i);
            main.rollback();
            return 1;
        }
    }
    if (!main.commit()) {
        std::fprintf(stderr, "commit failed\n");
        return 1;
    }
    const qint64 insertMs = timer.elapsed();

    timer.restart();
    QVector<PanelChkRecord> live;
    if (!db.queryLive(&live)) {
        std::fprintf(stderr, "live query failed\n");
        return 1;
    }
    const qint64 queryMs = timer.elapsed();

    std::printf("stored %d results in one transaction: %lld ms\n", count, static_cast<long long>(insertMs));
    std::printf("live-result list query: %d rows in %lld ms\n", live.size(), static_cast<long long>(queryMs));
    return 0;
}
