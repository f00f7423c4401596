#include "SystemSettings.h"
#include "TestSupport.h"
#include "Translateword.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

// The word table, read from "trans.db" seeded into a fresh working folder.
class tst_translateword : public QObject
{
    Q_OBJECT
private:
    Translateword* tw = Translateword::getInstance();

private slots:
    void seedsTheTableAndAnswersByCode()
    {
        TempWorkDir dir;
        QVERIFY(tw->initTrans());
        QVERIFY(QFile::exists("trans.db"));

        setLanguage("English");
        QCOMPARE(tw->trans("1", divisionIndexMap), QString("Surgery"));
        QCOMPARE(tw->trans("0", sexIndexMap), QString("Male"));
        QCOMPARE(tw->trans("2", sampleTypeIndexMap), QString("Whole blood"));
        QCOMPARE(tw->transByKey("TP"), QString("Total protein"));
        QCOMPARE(tw->transByKey("BUN"), QString("Blood urea nitrogen"));
        // Panels as the analyzer numbers them: 1 comprehensive, 2 liver, 3 kidney.
        QCOMPARE(tw->trans("1", panelIndexMap), QString("Comprehensive panel"));
        QCOMPARE(tw->trans("2", panelIndexMap), QString("Liver panel"));
        QCOMPARE(tw->trans("3", panelIndexMap), QString("Kidney panel"));
        QCOMPARE(tw->trans("0", panelIndexMap), QString("0"));

        // Asked again after a language change, the answer follows at once.
        setLanguage("Turkish");
        QCOMPARE(tw->trans("1", sexIndexMap), QString("Dişi"));
        QCOMPARE(tw->transByKey("ALB"), QString("Albümin"));
        setLanguage("Chinese");
        QCOMPARE(tw->transByKey("ALB"), QString("白蛋白"));
    }

    void wordLookupAndFallback()
    {
        TempWorkDir dir;
        QVERIFY(tw->initTrans());
        setLanguage("Italian");
        // A stored word (not a code) is found in any language and answered in the current one.
        QCOMPARE(tw->trans("外科", divisionIndexMap), QString("Chirurgia"));
        QCOMPARE(tw->trans("Serum", sexIndexMap), QString("Siero"));
        // A number that the map lacks is looked up as a word, then returned as it is.
        QCOMPARE(tw->trans("9", divisionIndexMap), QString("9"));
        QCOMPARE(tw->trans("Dr. Rossi", divisionIndexMap), QString("Dr. Rossi"));
        QCOMPARE(tw->trans("", divisionIndexMap), QString(""));
        // Unknown analyte code, bad ids.
        QCOMPARE(tw->transByKey("XYZ"), QString(""));
        QCOMPARE(tw->transByKey("tp"), QString(""));
        QCOMPARE(tw->transByIndex(-1), QString(""));
        QCOMPARE(tw->transByIndex(999), QString(""));
        QCOMPARE(tw->transByIndex(29, "Klingon"), QString(""));
        setLanguage("Chinese");
    }

    void everyMappedRowHasEveryLanguage()
    {
        TempWorkDir dir;
        QVERIFY(tw->initTrans());
        QCOMPARE(analyteIdMap.value("TP"), 29);
        QCOMPARE(analyteIdMap.value("ALB"), 30);
        QCOMPARE(analyteIdMap.value("BUN"), 71);
        QList<int> ids = analyteIdMap.values();
        for (const auto* map : {&divisionIndexMap, &sampleTypeIndexMap, &sexIndexMap, &panelIndexMap})
            ids += map->values();
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids.size(), 71);
        for (int i = 0; i < ids.size(); ++i)
            QCOMPARE(ids[i], i + 1); // every row id 1-71 used exactly once
        for (int id : qAsConst(ids))
            for (const QString& language : knownLanguages())
                QVERIFY2(!tw->transByIndex(id, language).isEmpty(),
                         qPrintable(QString("row %1 %2").arg(id).arg(language)));
    }

    void unreadableTableIsAnsweredFromTheBuiltInCopy()
    {
        TempWorkDir dir;
        setLanguage("English");
        QFile f("trans.db");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is not a database");
        f.close();
        QVERIFY(tw->initTrans());
        // Codes still come out as words, not as the bare numbers.
        QCOMPARE(tw->trans("1", divisionIndexMap), QString("Surgery"));
        QCOMPARE(tw->transByKey("TP"), QString("Total protein"));
        // The file is left alone.
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("this is not a database"));
        f.close();

        // A table without the expected layout.
        QFile::remove("trans.db");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "make");
            db.setDatabaseName("trans.db");
            QVERIFY(db.open());
            QSqlQuery(db).exec("create table langs (word TEXT)");
            db.close();
        }
        QSqlDatabase::removeDatabase("make");
        QVERIFY(tw->initTrans());
        QCOMPARE(tw->trans("外科", divisionIndexMap), QString("Surgery"));
        QCOMPARE(tw->transByKey("XYZ"), QString(""));
        setLanguage("Chinese");
    }
};

QTEST_MAIN(tst_translateword)
#include "tst_translateword.moc"
