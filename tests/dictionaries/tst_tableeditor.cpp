#include "Clinical.h"
#include "FileUtils.h"
#include "LanguageLoader.h"
#include "MessageBoxCloser.h"
#include "Species.h"
#include "Speciesdb.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "dbHelper.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QtTest>

namespace {
void click(QWidget* w, const char* name)
{
    w->findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

QVector<QStringList> stored()
{
    Speciesdb db;
    QVector<QStringList> rows;
    db.queryRows(&rows);
    return rows;
}

QString screenshotPath(const QString& name)
{
    const QByteArray dir = qgetenv("CHEMDESK_SCREENSHOT_DIR");
    return dir.isEmpty() ? QDir::current().filePath(name) : QDir(dir).filePath(name);
}
} // namespace

// The lookup-list editor over a real main database in a fresh working folder.
class tst_tableeditor : public QObject
{
    Q_OBJECT
private:
    TempWorkDir* dir = nullptr;

private slots:
    // As the program does at start: the loader takes the languages stored from then on.
    void initTestCase() { LanguageLoader::instance(); }

    void init()
    {
        dir = new TempWorkDir;
        copyFileIfMissing(":/DB/Chinese/database.db2", "database.db2");
        QVERIFY(dbHelper::upgradeSchema("database.db2"));
        QVERIFY(dbHelper::getInstance()->openDatabase());
        // A known starting list.
        Speciesdb db;
        QVERIFY(db.replaceRows({{"内科"}, {"外科"}, {"急诊科"}}));
    }
    void cleanup()
    {
        dbHelper::getInstance()->close();
        delete dir;
        dir = nullptr;
    }

    void editsAreSavedByReplacingTheTable()
    {
        Species editor;
        auto* table = editor.findChild<QTableWidget*>("tableWidget");
        QCOMPARE(editor.gridRows(), (QVector<QStringList>{{"内科"}, {"外科"}, {"急诊科"}}));
        QCOMPARE(table->columnCount(), 1);

        table->item(1, 0)->setText(QStringLiteral("  外科（软组织） "));
        table->selectRow(0);
        click(&editor, "pushButton_delete");
        click(&editor, "pushButton_add");
        table->item(table->rowCount() - 1, 0)->setText(QStringLiteral("Oftalmología 眼科"));
        click(&editor, "pushButton_add"); // left empty: not stored
        QVERIFY(editor.isModified());
        QCOMPARE(stored().size(), 3); // nothing stored before Save

        MessageBoxCloser closer;
        click(&editor, "pushButton_save");
        QCOMPARE(closer.texts, QStringList{QStringLiteral("保存成功")});
        const QVector<QStringList> expected{
            {QStringLiteral("外科（软组织）")}, {"急诊科"}, {QStringLiteral("Oftalmología 眼科")}};
        QCOMPARE(stored(), expected);
        QVERIFY(!editor.isModified());
        QCOMPARE(table->rowCount(), 3);

        Species reopened;
        QCOMPARE(reopened.gridRows(), expected);
    }

    void discardReloadsTheStoredList()
    {
        Species editor;
        auto* table = editor.findChild<QTableWidget*>("tableWidget");
        table->item(0, 0)->setText("changed");
        click(&editor, "pushButton_add");
        {
            MessageBoxCloser keepEditing(false);
            click(&editor, "pushButton_reload");
            QCOMPARE(keepEditing.texts.size(), 1);
        }
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(0, 0)->text(), QString("changed"));
        MessageBoxCloser discard;
        click(&editor, "pushButton_reload");
        QCOMPARE(editor.gridRows(), (QVector<QStringList>{{"内科"}, {"外科"}, {"急诊科"}}));
        QVERIFY(!editor.isModified());
        QCOMPARE(stored().size(), 3);
    }

    void failedSaveKeepsTheGridAndTheTable()
    {
        Species editor;
        auto* table = editor.findChild<QTableWidget*>("tableWidget");
        table->item(0, 0)->setText("new name");
        // The table goes away behind the editor's back.
        QSqlQuery(QSqlDatabase::database()).exec("ALTER TABLE species RENAME TO species_gone");
        MessageBoxCloser closer;
        click(&editor, "pushButton_save");
        QCOMPARE(closer.texts, QStringList{QStringLiteral("保存失败")});
        QCOMPARE(table->item(0, 0)->text(), QString("new name")); // the user's edits are still there
        QVERIFY(editor.isModified());
        QSqlQuery(QSqlDatabase::database()).exec("ALTER TABLE species_gone RENAME TO species");
        QCOMPARE(stored(), (QVector<QStringList>{{"内科"}, {"外科"}, {"急诊科"}}));
    }

    void unreadableListIsNeverSavedOver()
    {
        QSqlQuery(QSqlDatabase::database()).exec("ALTER TABLE species RENAME TO species_away");
        Species editor;
        QCOMPARE(editor.gridRows().size(), 0);
        QSqlQuery(QSqlDatabase::database()).exec("ALTER TABLE species_away RENAME TO species");
        auto* table = editor.findChild<QTableWidget*>("tableWidget");
        click(&editor, "pushButton_add");
        table->item(0, 0)->setText(QStringLiteral("眼科"));
        {
            MessageBoxCloser closer;
            click(&editor, "pushButton_save");
            QCOMPARE(closer.texts, QStringList{QStringLiteral("读取失败")});
        }
        // The stored list was never shown, so it must not be replaced by the grid.
        QCOMPARE(stored(), (QVector<QStringList>{{"内科"}, {"外科"}, {"急诊科"}}));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("眼科"));

        // Once a reload has read the list, saving works again.
        MessageBoxCloser closer;
        click(&editor, "pushButton_reload");
        QCOMPARE(editor.gridRows(), (QVector<QStringList>{{"内科"}, {"外科"}, {"急诊科"}}));
        click(&editor, "pushButton_add");
        table->item(3, 0)->setText(QStringLiteral("眼科"));
        click(&editor, "pushButton_save");
        QCOMPARE(closer.texts.last(), QStringLiteral("保存成功"));
        QCOMPARE(stored().size(), 4);
    }

    void closingWithEditsAsksFirst()
    {
        Species editor;
        editor.show();
        editor.findChild<QTableWidget*>("tableWidget")->item(0, 0)->setText("x");
        {
            MessageBoxCloser stay(false);
            editor.reject();
        }
        QVERIFY(editor.isVisible());
        MessageBoxCloser leave;
        editor.reject();
        QVERIFY(!editor.isVisible());
        QCOMPARE(stored().size(), 3);
    }

    void multiColumnListsAndScreenshots()
    {
        Clinical clinical;
        auto* table = clinical.findChild<QTableWidget*>("tableWidget");
        QVERIFY(table->columnCount() >= 1);

        setLanguage("Chinese");
        {
            Species editor;
            editor.show();
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
            QVERIFY(editor.grab().save(screenshotPath("species_zh.png")));
            setLanguage("English");
            QTRY_COMPARE(editor.windowTitle(), QString("Departments"));
            QCOMPARE(editor.findChild<QTableWidget*>("tableWidget")->horizontalHeaderItem(0)->text(),
                     QString("Name"));
        }
        Species editor;
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        for (QPushButton* b : editor.findChildren<QPushButton*>())
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        QVERIFY(editor.grab().save(screenshotPath("species_en.png")));
        setLanguage("Chinese");
    }
};

QTEST_MAIN(tst_tableeditor)
#include "tst_tableeditor.moc"
