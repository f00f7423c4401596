#include "LanguageLoader.h"
#include "SystemSettings.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QEvent>
#include <QWidget>
#include <QtTest>

namespace {
// Counts the language changes a window receives.
class Listener : public QWidget
{
public:
    int changes = 0;

protected:
    void changeEvent(QEvent* e) override
    {
        if (e->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(e);
    }
};

QString settingsTitle()
{
    return QCoreApplication::translate("SettingDialog", "系统设置");
}
} // namespace

// Switching the language through the stored setting installs the built-in translations.
class tst_languageloader : public QObject
{
    Q_OBJECT
private slots:
    // As the program does at start: the loader takes the languages stored from then on.
    void initTestCase() { LanguageLoader::instance(); }

    void switchesTranslatorLocaleAndStyle()
    {
        TempWorkDir dir;
        Listener window;
        QCOMPARE(settingsTitle(), QStringLiteral("系统设置"));

        QVERIFY(setLanguage("English"));
        QCOMPARE(settingsTitle(), QStringLiteral("System settings"));
        QCOMPARE(QLocale().language(), QLocale::English);
        QTRY_VERIFY(window.changes > 0);
        QVERIFY(!qApp->styleSheet().isEmpty());

        const int before = window.changes;
        QVERIFY(setLanguage("Turkish"));
        QCOMPARE(settingsTitle(), QStringLiteral("Sistem ayarları"));
        QCOMPARE(QLocale().language(), QLocale::Turkish);
        QTRY_VERIFY(window.changes > before);
        QCOMPARE(LanguageLoader::instance()->currentLanguage(), QStringLiteral("Turkish"));

        // Back to the source language: no translator left.
        QVERIFY(setLanguage("Chinese"));
        QCOMPARE(settingsTitle(), QStringLiteral("系统设置"));
        QCOMPARE(QLocale().language(), QLocale::Chinese);
    }

    // An open window's calendar pop-up follows a language switch.
    void calendarsFollowTheLanguage()
    {
        TempWorkDir dir;
        QVERIFY(setLanguage("Chinese"));
        QDateEdit edit;
        edit.setCalendarPopup(true);
        QCalendarWidget* calendar = edit.calendarWidget();
        QVERIFY(calendar);
        QCOMPARE(calendar->locale().language(), QLocale::Chinese);
        QVERIFY(setLanguage("Russian"));
        QCOMPARE(calendar->locale().language(), QLocale::Russian);
        QCOMPARE(edit.locale().language(), QLocale::Russian);
        QVERIFY(setLanguage("Chinese"));
        QCOMPARE(calendar->locale().language(), QLocale::Chinese);
    }

    // Qt's own texts (standard buttons, file dialogs) follow the language too.
    void qtTextsFollowTheLanguage()
    {
        TempWorkDir dir;
        auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
        QVERIFY(setLanguage("Russian"));
        QCOMPARE(cancel(), QStringLiteral("Отмена"));
        QVERIFY(setLanguage("English"));
        QCOMPARE(cancel(), QStringLiteral("Cancel"));
        QVERIFY(setLanguage("Chinese"));
        QCOMPARE(cancel(), QStringLiteral("取消"));
    }

    void everyLanguageHasItsTranslation_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << "English" << "EN";
        QTest::newRow("Italian") << "Italian" << "IT";
        QTest::newRow("French") << "French" << "FR";
        QTest::newRow("Portuguese") << "Portuguese" << "PO";
        QTest::newRow("Russian") << "Russian" << "RU";
        QTest::newRow("Spanish") << "Spanish" << "SP";
        QTest::newRow("Turkish") << "Turkish" << "TU";
    }
    void everyLanguageHasItsTranslation()
    {
        QFETCH(QString, language);
        QFETCH(QString, code);
        QCOMPARE(LanguageLoader::languageCode(language), code);
        QVERIFY(LanguageLoader::instance()->loadLanguage(language));
        QVERIFY(settingsTitle() != QStringLiteral("系统设置"));
        QVERIFY(!settingsTitle().isEmpty());
        LanguageLoader::instance()->loadLanguage("Chinese");
    }

    void fileBesideTheProgramComesFirst()
    {
        LanguageLoader* loader = LanguageLoader::instance();
        QVERIFY(loader->loadLanguage("Italian"));
        const QString italian = settingsTitle();
        QVERIFY(loader->loadLanguage("French"));
        const QString french = settingsTitle();
        QVERIFY(italian != french);

        // No other test of this folder speaks French, so the file cannot disturb them.
        const QString beside = QCoreApplication::applicationDirPath() + "/Translate_FR.qm";
        QFile::remove(beside);
        struct Cleanup {
            QString path;
            ~Cleanup() { QFile::remove(path); }
        } cleanup{beside};

        // A translation file beside the program wins over the built-in one.
        QVERIFY(QFile::copy(":/Translate_IT.qm", beside));
        QVERIFY(loader->loadLanguage("French"));
        QCOMPARE(settingsTitle(), italian);

        // One that cannot be read leaves the built-in translation in force.
        QFile::remove(beside);
        QFile broken(beside);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a translation file");
        broken.close();
        QVERIFY(loader->loadLanguage("French"));
        QCOMPARE(settingsTitle(), french);
        QCOMPARE(loader->currentLanguage(), QStringLiteral("French"));
        loader->loadLanguage("Chinese");
    }

    void unknownLanguageFallsBackToChinese()
    {
        TempWorkDir dir;
        QVERIFY(LanguageLoader::instance()->loadLanguage("English"));
        QVERIFY(!LanguageLoader::instance()->loadLanguage("Klingon"));
        QCOMPARE(LanguageLoader::instance()->currentLanguage(), QStringLiteral("Chinese"));
        QCOMPARE(settingsTitle(), QStringLiteral("系统设置"));
    }
};

QTEST_MAIN(tst_languageloader)
#include "tst_languageloader.moc"
