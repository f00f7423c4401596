#include <QtTest>
#include <QFile>

// The built-in resources carry the seed databases and every language's translations.
class tst_resources : public QObject
{
    Q_OBJECT
private slots:
    void seedDatabasesAreBuiltIn()
    {
        QVERIFY(QFile::exists(":/DB/Chinese/config_rw.db"));
        QFile f(":/DB/Chinese/config_rw.db");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(15), QByteArray("SQLite format 3"));
    }
    void translationsAreBuiltIn_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* c : {"EN", "IT", "FR", "PO", "RU", "SP", "TU"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void translationsAreBuiltIn()
    {
        QFETCH(QString, code);
        QVERIFY(QFile::exists(":/Translate_" + code + ".qm"));
    }
};

QTEST_MAIN(tst_resources)
#include "tst_resources.moc"
