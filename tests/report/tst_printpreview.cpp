#include "LanguageLoader.h"
#include "MessageBoxCloser.h"
#include "PrintPreview.h"
#include "PrintPreviewQc.h"
#include "PrintTemplateSample.h"
#include "ReadOnlyFile.h"
#include "ReportAssembly.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "chkPreviewPage.h"
#include "chkReportPage.h"
#include "dlgEditText.h"
#include "printTool.h"

#include <QTabWidget>
#include <QtTest>
#include <QCheckBox>
#include <QGridLayout>
#include <QImage>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>

// The print settings dialog, offscreen, in a temporary working folder.
class tst_printpreview : public QObject
{
    Q_OBJECT

    static QString ini() { return QStringLiteral("./saveFile/printsetting.ini"); }

    static QMap<QString, QString> storedKeys() { return iniKeys(ini()); }

    static void store(const QVariantMap& values)
    {
        QDir().mkpath("saveFile");
        QSettings s(ini(), QSettings::IniFormat);
        s.setIniCodec("UTF8");
        for (auto it = values.begin(); it != values.end(); ++it)
            s.setValue("systemCfg/" + it.key(), it.value());
    }

    template <class W>
    static W* child(const PrintPreview& dlg, const char* name)
    {
        W* w = dlg.findChild<W*>(QString::fromLatin1(name));
        if (!w)
            qWarning() << "no widget" << name;
        return w;
    }

    // Waits for the settings page to be filled (the dialog loads it just after it starts).
    static bool loaded(const PrintPreview& dlg)
    {
        return QTest::qWaitFor([&]() { return dlg.findChild<QCheckBox*>("checkBox_opt_24") != nullptr; }, 5000);
    }

    static QCheckBox* optionBox(const PrintPreview& dlg, int n)
    {
        return dlg.findChild<QCheckBox*>(QStringLiteral("checkBox_opt_%1").arg(n));
    }

    // Title, body and contact of the preview now shown.
    static QString previewHtml(const PrintPreview& dlg)
    {
        const chkPreviewPage* page = dlg.previewPage();
        if (!page || !page->previewTool)
            return QString();
        return page->previewTool->m_title + page->previewTool->m_body + page->previewTool->m_contact;
    }

    static int previewWidgets(const PrintPreview& dlg)
    {
        return dlg.findChild<QWidget*>("wgt_print_template")->findChildren<QPrintPreviewWidget*>().size();
    }

    static bool holds(const QString& flatText, const QString& part)
    {
        QString p = part;
        p.remove(QRegularExpression("\\s+"));
        return flatText.contains(p);
    }

    static void writePng(const QString& path, QColor colour)
    {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(path, "PNG"));
    }

    static QByteArray bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { LanguageLoader::instance(); }
    void defaultsWithoutSettingsFile()
    {
        TempWorkDir dir;
        PrintPreview dlg;
        dlg.show();
        QVERIFY(loaded(dlg));
        QVERIFY(child<QRadioButton>(dlg, "radioButton")->isChecked());
        QVERIFY(child<QRadioButton>(dlg, "radioButton_3")->isChecked());
        QVERIFY(child<QRadioButton>(dlg, "radioButton_6")->isHidden());
        for (int n = 1; n <= 24; ++n) {
            QVERIFY(optionBox(dlg, n));
            QCOMPARE(optionBox(dlg, n)->text(), QStringLiteral("%1)").arg(n));
            QVERIFY2(optionBox(dlg, n)->isChecked(), qPrintable(QString::number(n)));
        }
        QCOMPARE(child<QSpinBox>(dlg, "spinBox_fontsize")->value(), 12);
        QCOMPARE(dlg.customText(), QString());
        QCOMPARE(dlg.customDefault(), true);
        QCOMPARE(child<QPushButton>(dlg, "pushButton_customEdit")->text(), QStringLiteral("24)编辑"));
        QVERIFY(!QFile::exists(ini()));
        QVERIFY(QFile::exists("printSetTemplate.json"));   // made from the built-in copy
        QCOMPARE(previewWidgets(dlg), 1);
    }

    void previewNumbersAndStrikes()
    {
        TempWorkDir dir;
        store({{"optEnable", (1 << 7) | (1 << 21)}});
        PrintPreview dlg;
        dlg.show();
        QVERIFY(loaded(dlg));
        QVERIFY(!optionBox(dlg, 7)->isChecked());
        QVERIFY(!optionBox(dlg, 21)->isChecked());
        optionBox(dlg, 5)->click();      // off
        optionBox(dlg, 21)->click();     // back on
        optionBox(dlg, 24)->click();     // off
        QCOMPARE(dlg.optionMask(), (1 << 5) | (1 << 7) | (1 << 24));

        const QString html = previewHtml(dlg);
        for (int n = 1; n <= 24; ++n) {
            if (n == 14)
                continue;
            QVERIFY2(html.contains(QStringLiteral("<strong>%1) </strong>").arg(n)), qPrintable(QString::number(n)));
        }
        QVERIFY(html.contains(QStringLiteral(">14)<")));   // the row-number column's head
        // Switched off: struck through with their number, in their place.
        QVERIFY(html.contains(QStringLiteral("<s><strong>5) </strong>科室：</s>")));
        QVERIFY(html.contains(QStringLiteral("<s><strong>7) </strong>姓名：</s>")));
        QVERIFY(html.contains(QStringLiteral("<s><strong>24) </strong>责任声明</s>")));
        QVERIFY(html.contains(QStringLiteral("<strong>21) </strong>临床诊断：")));
        QVERIFY(!html.contains(QStringLiteral("<s><strong>21) ")));
        QVERIFY(!html.contains(QStringLiteral("<s><strong>6) ")));
        // No logo file: option 1 struck through whatever its box says.
        QVERIFY(html.contains(QStringLiteral("<s><strong>1) </strong></s><s>logo</s>")));
        // Sample rows: 18 analytes from the built-in file.
        QVERIFY(html.contains(QStringLiteral(">LDL-C<")));
        QCOMPARE(html.count(QStringLiteral("<tr")) >= 18, true);
    }

    void eachChoiceWritesItsOwnKeys_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("arrow") << "radioButton_2" << "systemCfg/getModeSelect" << "1";
        QTest::newRow("other format") << "radioButton_3" << "systemCfg/getModeSelect1" << "0";
        QTest::newRow("A5") << "radioButton_4" << "systemCfg/getModeSelect1" << "1";
        QTest::newRow("option 9") << "checkBox_opt_9" << "systemCfg/optEnable" << QString::number(1 << 9);
        QTest::newRow("option 24") << "checkBox_opt_24" << "systemCfg/optEnable" << QString::number(1 << 24);
        QTest::newRow("font") << "spinBox_fontsize" << "systemCfg/fontsize" << "15";
    }

    void eachChoiceWritesItsOwnKeys()
    {
        QFETCH(QString, widget);
        QFETCH(QString, key);
        QFETCH(QString, value);
        TempWorkDir dir;
        store({{"getModeSelect", 0}, {"getModeSelect1", 2}, {"optEnable", 0}, {"customText", "x"},
               {"customDefault", false}, {"fontsize", 12}, {"QcChart", 1}, {"QcPaper", 1},
               {"QcOptEnable", 6}, {"QcCustomText", "q"}, {"QcFontsize", 20}});
        const QMap<QString, QString> before = storedKeys();
        {
            PrintPreview dlg;
            dlg.show();
            QVERIFY(loaded(dlg));
            QWidget* w = dlg.findChild<QWidget*>(widget);
            QVERIFY(w);
            if (auto* spin = qobject_cast<QSpinBox*>(w))
                spin->setValue(15);
            else
                static_cast<QAbstractButton*>(w)->click();
            MessageBoxCloser closer;
            child<QPushButton>(dlg, "pushButton")->click();
            QCOMPARE(closer.texts, QStringList{QStringLiteral("保存成功")});
            QCOMPARE(closer.titles, QStringList{QStringLiteral("成功")});
        }
        QMap<QString, QString> expected = before;
        expected.insert(key, value);
        QCOMPARE(storedKeys(), expected);

        // Read back by a new dialog.
        PrintPreview again;
        again.show();
        QVERIFY(loaded(again));
        QWidget* w = again.findChild<QWidget*>(widget);
        if (auto* spin = qobject_cast<QSpinBox*>(w))
            QCOMPARE(spin->value(), 15);
        else if (qobject_cast<QRadioButton*>(w))
            QVERIFY(static_cast<QRadioButton*>(w)->isChecked());
        else
            QVERIFY(!static_cast<QCheckBox*>(w)->isChecked());
    }

    void saveMessageTranslated()
    {
        TempWorkDir dir;
        QVERIFY(setLanguage("English"));
        {
            PrintPreview dlg;
            dlg.show();
            QVERIFY(loaded(dlg));
            MessageBoxCloser closer;
            child<QPushButton>(dlg, "pushButton")->click();
            QCOMPARE(closer.titles + closer.texts, (QStringList{"Success", "Saved"}));
        }
        QVERIFY(setLanguage("Chinese"));
    }

    void readOnlySettingsFileFails()
    {
        TempWorkDir dir;
        store({{"optEnable", 0}});
        ReadOnlyFile lock(ini());
        if (!lock.isReadOnly())
            QSKIP("cannot make a file read-only here");
        PrintPreview dlg;
        dlg.show();
        QVERIFY(loaded(dlg));
        optionBox(dlg, 3)->click();
        MessageBoxCloser closer;
        child<QPushButton>(dlg, "pushButton")->click();
        QCOMPARE(closer.texts, QStringList{QStringLiteral("保存失败")});
        QVERIFY(dlg.isVisible());
        QCOMPARE(storedKeys().value("systemCfg/optEnable"), QString("0"));
    }

    void customStatementAndItsFlag()
    {
        TempWorkDir dir;
        store({{"customText", "Nostro testo"}, {"customDefault", false}});
        {
            // Saving without an edit keeps a stored false.
            PrintPreview dlg;
            dlg.show();
            QVERIFY(loaded(dlg));
            MessageBoxCloser closer;
            child<QPushButton>(dlg, "pushButton")->click();
        }
        QCOMPARE(storedKeys().value("systemCfg/customDefault"), QString("false"));
        QCOMPARE(storedKeys().value("systemCfg/customText"), QString("Nostro testo"));

        store({{"customDefault", true}});
        PrintPreview dlg;
        dlg.show();
        QVERIFY(loaded(dlg));
        QCOMPARE(dlg.customDefault(), true);
        // Cancelled editor: nothing changes.
        QTimer::singleShot(50, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* e = qobject_cast<dlgEditText*>(w))
                    e->findChild<QPushButton*>("pushButton_cancel")->click();
        });
        child<QPushButton>(dlg, "pushButton_customEdit")->click();
        QCOMPARE(dlg.customDefault(), true);
        // Accepted editor: the user's own statement.
        QTimer::singleShot(50, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* e = qobject_cast<dlgEditText*>(w)) {
                    e->findChild<QPlainTextEdit*>()->setPlainText("<i>Our own</i> words");
                    e->findChild<QPushButton*>("pushButton_ok")->click();
                }
        });
        child<QPushButton>(dlg, "pushButton_customEdit")->click();
        QCOMPARE(dlg.customText(), QStringLiteral("<i>Our own</i> words"));
        QCOMPARE(dlg.customDefault(), false);
        QVERIFY(previewHtml(dlg).contains(QStringLiteral("<strong>24) </strong><i>Our own</i> words")));
        MessageBoxCloser closer;
        child<QPushButton>(dlg, "pushButton")->click();
        QCOMPARE(storedKeys().value("systemCfg/customDefault"), QString("false"));
        QCOMPARE(storedKeys().value("systemCfg/customText"), QStringLiteral("<i>Our own</i> words"));
    }

    void logoUpload()
    {
        TempWorkDir dir;
        PrintPreview dlg;
        dlg.show();
        QVERIFY(loaded(dlg));
        const QString logo = QDir::currentPath() + "/print_logo.png";
        QVERIFY(QDir().mkpath("pics"));
        writePng("pics/red.png", Qt::red);
        writePng("pics/blue.png", Qt::blue);

        QVERIFY(!dlg.uploadLogo(QString()));
        QVERIFY(!dlg.uploadLogo("pics/none.png"));
        QVERIFY(!QFile::exists(logo));

        QVERIFY(dlg.uploadLogo("pics/red.png"));
        QCOMPARE(bytes(logo), bytes("pics/red.png"));
        QVERIFY(previewHtml(dlg).contains(QStringLiteral("<strong>1) </strong><img")));

        // The logo itself, by another spelling of its path: kept.
        QVERIFY(dlg.uploadLogo("pics/../print_logo.png"));
        QCOMPARE(bytes(logo), bytes("pics/red.png"));
        QVERIFY(dlg.uploadLogo(logo));
        QCOMPARE(bytes(logo), bytes("pics/red.png"));
        QVERIFY(!QImage(logo).isNull());

        // A read-only logo is replaced, and no temporary file is left behind.
        QFile::setPermissions(logo, QFileDevice::ReadOwner);
        QVERIFY(dlg.uploadLogo("pics/blue.png"));
        QCOMPARE(bytes(logo), bytes("pics/blue.png"));
        QVERIFY(QFileInfo(logo).permissions() & QFileDevice::WriteUser);
        QCOMPARE(QDir().entryList(QDir::Files).filter("print_logo").size(), 1);
    }

    // The QC page is the dialog's second tab; a logo it uploads reaches the test preview too.
    void qcPageSharesTheLogo()
    {
        TempWorkDir dir;
        PrintPreview dlg;
        dlg.show();
        QVERIFY(loaded(dlg));
        auto* qc = dlg.findChild<PrintPreviewQc*>(QStringLiteral("tab_qc"));
        QVERIFY(qc);
        auto* tabs = dlg.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        QCOMPARE(tabs->indexOf(qc), 1);
        QVERIFY(!previewHtml(dlg).contains(QStringLiteral("<strong>1) </strong><img")));
        writePng("print_logo.png", Qt::red);
        emit qc->signal_logoChange();
        QTRY_VERIFY(previewHtml(dlg).contains(QStringLiteral("<strong>1) </strong><img")));
    }

    // The QC page's form: its layouts and where each group, radio and button stands.
    void qcPageLayout()
    {
        TempWorkDir dir;
        PrintPreviewQc qc;
        auto at = [&](const char* layout, const char* widget) {
            auto* grid = qc.findChild<QGridLayout*>(QString::fromLatin1(layout));
            const int index = grid ? grid->indexOf(qc.findChild<QWidget*>(QString::fromLatin1(widget))) : -1;
            int row = -1, column = -1, rows, columns;
            if (index >= 0)
                grid->getItemPosition(index, &row, &column, &rows, &columns);
            return QPoint(column, row);
        };
        QCOMPARE(qc.layout()->objectName(), QStringLiteral("gridLayout"));
        QCOMPARE(at("gridLayout_8", "wgt_print_template_qc"), QPoint(0, 0));
        QCOMPARE(at("gridLayout_8", "frame_set_qc"), QPoint(1, 0));
        QCOMPARE(at("gridLayout_10", "groupBox_qc"), QPoint(0, 0));
        QCOMPARE(at("gridLayout_10", "groupBox_qc_2"), QPoint(0, 1));
        QCOMPARE(at("gridLayout_10", "frame_logo_btns_qc"), QPoint(0, 3));
        QCOMPARE(at("gridLayout_10", "groupBox_select_opt_qc"), QPoint(0, 4));
        QCOMPARE(at("gridLayout_11", "radioButton_chart_qc"), QPoint(0, 0));
        QCOMPARE(at("gridLayout_11", "radioButton_arrow_qc"), QPoint(1, 0));
        QCOMPARE(at("gridLayout_12", "radioButton_qc_a4"), QPoint(0, 0));
        QCOMPARE(at("gridLayout_12", "radioButton_qc_a5"), QPoint(1, 0));
        auto* column = qc.findChild<QVBoxLayout*>("verticalLayout_2");
        QVERIFY(column && column->count() == 3);
        QCOMPARE(column->itemAt(0)->widget()->objectName(), QStringLiteral("frame_set_sub_qc"));
        QCOMPARE(column->itemAt(1)->widget()->objectName(), QStringLiteral("pushButton_qc_save"));
        QVERIFY(column->itemAt(2)->spacerItem());
        auto* logo = qc.findChild<QVBoxLayout*>("verticalLayout");
        QVERIFY(logo && logo->count() == 2);
        QCOMPARE(logo->itemAt(0)->widget()->objectName(), QStringLiteral("pushButton_upload_logo_qc"));
        QCOMPARE(logo->itemAt(1)->layout()->objectName(), QStringLiteral("horizontalLayout"));
        for (const char* name : {"frame_set_qc", "frame_set_sub_qc", "frame_logo_btns_qc"})
            QCOMPARE(qc.findChild<QFrame*>(name)->frameShape(), QFrame::StyledPanel);
        for (const char* name : {"pushButton_upload_logo_qc", "pushButton_qc_save"})
            QCOMPARE(qc.findChild<QPushButton*>(name)->minimumSize(), QSize(100, 30));
        QWidget* preview = qc.findChild<QWidget*>("wgt_print_template_qc");
        QCOMPARE(preview->minimumSize(), QSize(100, 0));
        QCOMPARE(preview->sizePolicy().horizontalPolicy(), QSizePolicy::MinimumExpanding);
        QCOMPARE(preview->sizePolicy().verticalPolicy(), QSizePolicy::MinimumExpanding);
        QCOMPARE(qc.findChild<QWidget*>("frame_set_sub_qc")->layout()->objectName(), QStringLiteral("gridLayout_10"));
    }

    void repeatedRefreshes()
    {
        TempWorkDir dir;
        PrintPreview dlg;
        dlg.show();
        QVERIFY(loaded(dlg));
        for (int i = 0; i < 4; ++i) {
            child<QPushButton>(dlg, "pushButton_2")->click();
            child<QRadioButton>(dlg, i % 2 ? "radioButton_2" : "radioButton")->click();
            child<QRadioButton>(dlg, i % 2 ? "radioButton_4" : "radioButton_5")->click();
            optionBox(dlg, 1 + i % 24)->click();
            QCOMPARE(previewWidgets(dlg), 1);
            dlg.grab();
            QCoreApplication::processEvents();
        }
        // A sample file that cannot be parsed leaves an empty host, which still paints.
        {
            QFile f("printSetTemplate.json");
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("{ not json");
        }
        child<QPushButton>(dlg, "pushButton_2")->click();
        QCOMPARE(previewWidgets(dlg), 0);
        QVERIFY(!dlg.grab().isNull());
        QCoreApplication::processEvents();
        {
            QFile f("printSetTemplate.json");
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("[1, 2]");
        }
        child<QPushButton>(dlg, "pushButton_2")->click();
        QCOMPARE(previewWidgets(dlg), 0);
        // Recreated from the built-in copy once removed.
        QVERIFY(QFile::remove("printSetTemplate.json"));
        child<QPushButton>(dlg, "pushButton_2")->click();
        QCOMPARE(previewWidgets(dlg), 1);
        dlg.grab();
    }

    void sampleFileRows()
    {
        TempWorkDir dir;
        QVector<ReportItem> rows;
        QVERIFY(PrintTemplateSample::load(&rows));   // built-in copy
        QCOMPARE(rows.size(), 18);
        QCOMPARE(rows.at(16).code, QStringLiteral("A/G"));
        QCOMPARE(rows.at(16).rangeText, QStringLiteral("-"));
        QCOMPARE(rows.at(16).low, 0.0);
        QCOMPARE(rows.at(11).rangeText, QStringLiteral("0.00-2.10"));
        QCOMPARE(rows.at(0).value, 46.0);

        QFile f("printSetTemplate.json");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(R"({"result": [3, "x", {"chemistry": "ALT", "result": 12, "up": "50"}, {"chemistry": "<b>Z</b>", "result": "7.5", "unit": "U/L", "down": "1", "up": "9"}]})");
        f.close();
        QVERIFY(PrintTemplateSample::load(&rows));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).resultText, QString());   // a number is not a text
        QCOMPARE(rows.at(0).value, 0.0);
        QCOMPARE(rows.at(0).rangeText, QStringLiteral("-50"));
        QCOMPARE(rows.at(1).value, 7.5);

        // Shown escaped in the preview, and the page follows the paper choice.
        PrintPreview dlg;
        dlg.show();
        QVERIFY(loaded(dlg));
        QVERIFY(previewHtml(dlg).contains(QStringLiteral("&lt;b&gt;Z&lt;/b&gt;")));
        QCOMPARE(dlg.previewPage()->previewTool->m_printer->pageLayout().orientation(), QPageLayout::Portrait);
        child<QRadioButton>(dlg, "radioButton_4")->click();
        QCOMPARE(dlg.previewPage()->paperMode, 1);
        QCOMPARE(dlg.previewPage()->previewTool->m_printer->pageLayout().orientation(), QPageLayout::Landscape);

        f.setFileName("printSetTemplate.json");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{}");
        f.close();
        QVERIFY(PrintTemplateSample::load(&rows));
        QVERIFY(rows.isEmpty());
    }

    void reportFollowsTheDialog()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils missing");
        TempWorkDir dir;
        auto printed = [&](const QString& name) {
            chkReportPage page;
            ReportAssembly::applySettings(page);
            page.ageText = QStringLiteral("3岁");
            page.patientInfo.patientName = QStringLiteral("Bella");
            page.patientInfo.division = QStringLiteral("内科");
            ReportItem r;
            r.code = QStringLiteral("ALB");
            r.value = 50;
            r.low = 25;
            r.high = 40;
            r.resultText = QStringLiteral("50");
            r.rangeText = QStringLiteral("25-40");
            page.reportItems.append(r);
            return page.exportPdf(dir.file(name));
        };
        QVERIFY(printed("before.pdf"));
        const QString before = withoutBlanks(pdfText(dir.file("before.pdf")));
        QVERIFY(holds(before, QStringLiteral("姓名：Bella")));
        QVERIFY(holds(before, QStringLiteral("科室：内科")));
        QVERIFY(!holds(before, QStringLiteral("提示")));
        QVERIFY(runProgram("pdfinfo", {dir.file("before.pdf")}).contains("(A4)"));
        {
            PrintPreview dlg;
            dlg.show();
            QVERIFY(loaded(dlg));
            child<QRadioButton>(dlg, "radioButton_4")->click();   // A5 landscape
            child<QRadioButton>(dlg, "radioButton_2")->click();   // arrow hint
            optionBox(dlg, 7)->click();                           // name off
            MessageBoxCloser closer;
            child<QPushButton>(dlg, "pushButton")->click();
            QCOMPARE(closer.texts, QStringList{QStringLiteral("保存成功")});
        }
        QVERIFY(printed("after.pdf"));
        const QString after = withoutBlanks(pdfText(dir.file("after.pdf")));
        QVERIFY2(!holds(after, QStringLiteral("Bella")), qPrintable(after));
        QVERIFY(!holds(after, QStringLiteral("姓名")));
        QVERIFY(holds(after, QStringLiteral("科室：内科")));
        QVERIFY(holds(after, QStringLiteral("提示")));
        QVERIFY(holds(after, QStringLiteral("↑")));
        const QString info = runProgram("pdfinfo", {dir.file("after.pdf")});
        QVERIFY2(info.contains("(A5)"), qPrintable(info));
        const QRegularExpressionMatch m = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+)").match(info);
        QVERIFY(m.hasMatch());
        QVERIFY(m.captured(1).toDouble() > m.captured(2).toDouble());
    }

    // Screenshots for a person to look at: CHEMDESK_SHOT_DIR=<folder>.
    void screenshots()
    {
        const QString out = QString::fromLocal8Bit(qgetenv("CHEMDESK_SHOT_DIR"));
        if (out.isEmpty())
            QSKIP("set CHEMDESK_SHOT_DIR to save screenshots");
        for (const QString& language : {QStringLiteral("Chinese"), QStringLiteral("English")}) {
            TempWorkDir dir;
            setLanguage(language);
            store({{"optEnable", (1 << 2) | (1 << 6) | (1 << 14) | (1 << 17) | (1 << 23)}});
            PrintPreview dlg;
            dlg.resize(1280, 900);
            dlg.show();
            QVERIFY(loaded(dlg));
            QTest::qWait(200);
            QVERIFY(dlg.grab().save(QStringLiteral("%1/printpreview_%2.png").arg(out, language)));
            // With a logo, arrows and A5 landscape.
            QVERIFY(QImage(":/images/logo.png").save("chosen.png"));
            QVERIFY(dlg.uploadLogo("chosen.png"));
            child<QRadioButton>(dlg, "radioButton_2")->click();
            child<QRadioButton>(dlg, "radioButton_4")->click();
            QTest::qWait(200);
            QVERIFY(dlg.grab().save(QStringLiteral("%1/printpreview_%2_a5.png").arg(out, language)));
            dlg.findChild<QTabWidget*>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
            QTest::qWait(200);
            QVERIFY(dlg.grab().save(QStringLiteral("%1/printpreview_qc_%2.png").arg(out, language)));
            setLanguage("Chinese");
        }
    }
};

QTEST_MAIN(tst_printpreview)
#include "tst_printpreview.moc"
