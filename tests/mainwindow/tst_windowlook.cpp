// What the user sees: the highlighted entry of an open fixed drop-down list is readable under the
// program's style sheet (its text stands out from its background), the main window reads in
// English after a switch, and the help names the buttons as the window shows them. Set
// CHEMDESK_SHOTS to a folder to keep the pictures.
#include "Index.h"
#include "Indexdb.h"
#include "Translateword.h"
#include "Help.h"
#include "Language.h"
#include "LanguageLoader.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "dlgQcQuery.h"
#include "dlgSetProjectGroup.h"
#include "ui_Index.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QTextBrowser>

namespace {
void keepShot(const QImage& image, const QString& name)
{
    const QString folder = qEnvironmentVariable("CHEMDESK_SHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(name + ".png"));
}

// Relative luminance of a colour (0 black, 1 white).
double luminance(QRgb c)
{
    return (0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c)) / 255.0;
}

// Opens the combo box's list with `row` highlighted; the highlighted entry's picture.
QImage highlightedEntry(QComboBox* combo, int row, const QString& shotName)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(row, combo->modelColumn(), view->rootIndex());
    view->setCurrentIndex(index);
    view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    QApplication::processEvents();
    QWidget* popup = view->window();
    keepShot(popup->grab().toImage(), shotName);
    const QRect rect = view->visualRect(index);
    const QImage image = view->viewport()->grab(rect).toImage();
    combo->hidePopup();
    return image;
}

// The contrast between the entry's commonest colour (its background) and its most different one
// (its text), as the ratio of the two luminances (1 when the text cannot be told apart).
double entryContrast(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    const double lb = luminance(background);
    double best = 1;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        const double lt = luminance(it.key());
        const double ratio = (qMax(lb, lt) + 0.05) / (qMin(lb, lt) + 0.05);
        best = qMax(best, ratio);
    }
    return best;
}
}

class tst_windowlook : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        PcComData::getInstance()->stopScanPort();
        QVERIFY(LanguageLoader::instance()->loadLanguage("Chinese"));
        QVERIFY(!qApp->styleSheet().isEmpty());
    }

    void highlightedEntryReadable_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("language") << "language";
        QTest::newRow("panel group") << "panel";
        QTest::newRow("QC material") << "qc";
    }
    void highlightedEntryReadable()
    {
        QFETCH(QString, which);
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        QScopedPointer<QWidget> dialog;
        QComboBox* combo = nullptr;
        if (which == "language") {
            dialog.reset(new Language);
            combo = dialog->findChild<QComboBox*>("comboBox_language");
        } else if (which == "panel") {
            dialog.reset(new dlgSetProjectGroup);
            combo = dialog->findChild<QComboBox*>("comboBox_panel");
        } else {
            dialog.reset(new dlgQcQuery);
            combo = dialog->findChild<QComboBox*>("comboBox_qcProduct");
        }
        QVERIFY(combo);
        QVERIFY(!combo->isEditable());
        QVERIFY(combo->count() >= 2);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        const QImage entry = highlightedEntry(combo, 1, "dropdown-" + which);
        QVERIFY(!entry.isNull());
        const double contrast = entryContrast(entry);
        QVERIFY2(contrast >= 3.0, qPrintable(QString("contrast %1").arg(contrast)));
    }

    // The main window after a switch to English: the pictures are looked at; the test checks the
    // texts that a switch sets.
    void mainWindowInEnglish()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        PanelChkRecord r;
        r.machineid = "QV-12";
        r.chkdatetime = QDateTime(QDate(2024, 5, 1), QTime(10, 0));
        r.panelid = 1;
        r.patientinfo = R"({"id":"S001","name":"Lucky","number":"P100","division":"1","age":"400"})";
        r.speciesname = "1";
        r.animalsexname = "0";
        r.sampletypename = "0";
        r.testresults = R"([{"N":"TP","I":[60,50,80,0,0,"g/L"]},{"N":"ALB","I":[20,25,40,0,0,"g/L"]}])";
        QVERIFY(Indexdb().insertData(r));
        Index w;
        w.form()->tableWidget->selectRow(0);
        w.resize(1280, 800);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(setLanguage("English"));
        // let the layouts take the new texts
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        keepShot(w.grab().toImage(), "mainwindow-english");
        QCOMPARE(w.form()->pushButton_3->text(), QStringLiteral("Print (F2)"));
        QCOMPARE(w.form()->speciesname->currentText(), QStringLiteral("Surgery"));
        QCOMPARE(w.form()->tableWidget->model()->index(0, 2).data().toString(), QStringLiteral("Surgery"));
        QCOMPARE(w.form()->tableWidget_2->item(0, 2)->text(), Translateword::getInstance()->transByKey("TP"));
        QCOMPARE(w.form()->tabWidget->tabText(0), QCoreApplication::translate("Index", "检测"));
        QVERIFY(w.form()->tabWidget->tabText(0) != QStringLiteral("检测"));
        QVERIFY(setLanguage("Chinese"));
    }

    // The help of each language names the report and analyte buttons by their texts in that language.
    void helpNamesTheButtons_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* l : {"Chinese", "English", "Italian"})
            QTest::newRow(l) << QString(l);
    }
    void helpNamesTheButtons()
    {
        QFETCH(QString, language);
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        QVERIFY(setLanguage(language));
        Index w;
        Help help;
        help.resize(900, 1000);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        keepShot(help.grab().toImage(), "help-" + language);
        const QString text = help.findChild<QTextBrowser*>("textBrowser")->toPlainText();
        Ui::Index* f = w.form();
        for (QPushButton* button : {f->pushButton_3, f->pushButton_2, f->pushButton_9, f->pushButton_excel,
                                    f->pushButton_15, f->pushButton_11, f->pushButton_5})
            QVERIFY2(text.contains(button->text(), Qt::CaseInsensitive), qPrintable(button->text()));
        QVERIFY(setLanguage("Chinese"));
    }
};

QTEST_MAIN(tst_windowlook)
#include "tst_windowlook.moc"
