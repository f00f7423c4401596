#include <QtTest>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

// Every language's translation files: each message translated, none listed twice across modules
// (lrelease would silently keep only one of two differing translations).
class tst_translations : public QObject
{
    Q_OBJECT
private slots:
    void everyMessageTranslatedOnce_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* c : {"EN", "IT", "FR", "PO", "RU", "SP", "TU"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void everyMessageTranslatedOnce()
    {
        QFETCH(QString, code);
        const QDir dir(QStringLiteral(CHEMDESK_TRANSLATIONS_DIR));
        const QStringList files = dir.entryList({"*_" + code + ".ts"}, QDir::Files);
        QVERIFY(!files.isEmpty());
        QSet<QString> seen;
        int messages = 0;
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString context, source;
            while (!xml.atEnd()) {
                xml.readNext();
                if (!xml.isStartElement())
                    continue;
                if (xml.name() == QLatin1String("name")) {
                    context = xml.readElementText();
                } else if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const QString where = name + ": " + context + " / " + source;
                    QVERIFY2(xml.attributes().value("type").isEmpty(), qPrintable("unfinished " + where));
                    QVERIFY2(!xml.readElementText().trimmed().isEmpty(), qPrintable("empty " + where));
                    QVERIFY2(!seen.contains(context + '\n' + source), qPrintable("twice " + where));
                    seen.insert(context + '\n' + source);
                    ++messages;
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + ": " + xml.errorString()));
        }
        QVERIFY(messages > 100);
    }
};

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
