#include "MessageBoxCloser.h"
#include "SaveDialogAnswer.h"
#include "PrintPreviewQc.h"
#include "TestSupport.h"
#include "dlgEditText.h"
#include "printTool.h"
#include "qcPreviewPage.h"

#include <QtTest>
#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

// The QC page of the print settings, offscreen, over its settings file.
class tst_qcreport_settings : public QObject
{
    Q_OBJECT

    template <class T> static T* child(PrintPreviewQc& w, const QString& name) { return w.findChild<T*>(name); }
    static QCheckBox* box(PrintPreviewQc& w, int n) { return child<QCheckBox>(w, QStringLiteral("checkBox_opt_qc_%1").arg(n)); }

    static QVariant stored(const QString& key)
    {
        QSettings s("./saveFile/printsetting.ini", QSettings::IniFormat);
        s.setIniCodec("UTF8");
        return s.value("systemCfg/" + key);
    }
    static void store(const QString& key, const QVariant& value)
    {
        QDir().mkpath("saveFile");
        QSettings s("./saveFile/printsetting.ini", QSettings::IniFormat);
        s.setIniCodec("UTF8");
        s.setValue("systemCfg/" + key, value);
    }

    // Counts the previews put into the host widget.
    struct PreviewCounter : QObject
    {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::ChildAdded)
                ++count;
            return false;
        }
    };

private slots:
    void defaultsWithoutSettingsFile()
    {
        TempWorkDir dir;
        PrintPreviewQc w;
        w.resize(830, 640);
        w.show();
        QVERIFY(child<QRadioButton>(w, "radioButton_chart_qc")->isChecked());
        QVERIFY(child<QRadioButton>(w, "radioButton_qc_a4")->isChecked());
        QCOMPARE(child<QSpinBox>(w, "spinBox_qc_fontsize")->value(), 12);
        for (int n = 1; n <= 14; ++n) {
            QVERIFY(box(w, n));
            QVERIFY(box(w, n)->isChecked());
            QCOMPARE(box(w, n)->text(), QStringLiteral("%1)").arg(n));
        }
        QVERIFY(!box(w, 15));
        QCOMPARE(child<QPushButton>(w, "pushButton_edit_qc")->text(), QStringLiteral("14)编辑"));
        QCOMPARE(w.customText(), QString());
        const qcPreviewPage* page = w.previewPage();
        QVERIFY(page);
        QVERIFY(page->chartMode);
        QCOMPARE(page->paperMode, 2);
        QCOMPARE(page->reportItems.size(), 18);                // the built-in sample rows
        QCOMPARE(page->reportItems.at(16).code, QStringLiteral("A/G"));
        QCOMPARE(page->reportItems.at(16).rangeText, QStringLiteral("-"));
        QCOMPARE(page->reportItems.at(16).high, 0.0);
        QVERIFY(QFile::exists("printSetTemplate.json"));
        // an empty custom text shows the placeholder, numbered
        QVERIFY(page->previewTool->m_body.contains(QStringLiteral("<strong>14) </strong>责任声明")));
        const QList<QPrintPreviewWidget*> previews =
            w.findChild<QWidget*>("wgt_print_template_qc")->findChildren<QPrintPreviewWidget*>();
        QCOMPARE(previews.size(), 1);
        QTRY_VERIFY(previews.first()->isVisible());
        QVERIFY(previews.first()->width() > 300);
        const QImage shot = w.grab().toImage();
        QVERIFY(!shot.isNull());
        if (!qEnvironmentVariableIsEmpty("CHEMDESK_KEEP_PNG"))
            shot.save(qEnvironmentVariable("CHEMDESK_KEEP_PNG"));
    }

    void storedChoicesAndSaving()
    {
        TempWorkDir dir;
        store("QcOptEnable", 2);
        store("QcChart", 1);
        store("QcPaper", 1);
        store("QcFontsize", 15);
        store("optEnable", 12345);                            // a test-report key
        PrintPreviewQc w;
        w.show();
        QVERIFY(child<QRadioButton>(w, "radioButton_arrow_qc")->isChecked());
        QVERIFY(child<QRadioButton>(w, "radioButton_qc_a5")->isChecked());
        QVERIFY(!box(w, 1)->isChecked());
        for (int n = 2; n <= 14; ++n)
            QVERIFY(box(w, n)->isChecked());
        QCOMPARE(w.previewPage()->fontSize, 15);
        QCOMPARE(w.previewPage()->paperMode, 1);

        // an option switched off shows struck through in the preview, numbered
        box(w, 10)->click();
        QCOMPARE(w.optionMask(), 2 | (1 << 10));
        QVERIFY(w.previewPage()->previewTool->m_body.contains(QStringLiteral("<s><strong>10) </strong>审核者:")));
        QVERIFY(w.previewPage()->previewTool->m_title.contains(QStringLiteral("<strong>5) </strong>质控品:质控二")));
        box(w, 10)->click();
        box(w, 3)->click();

        // one refresh per change of radio
        PreviewCounter counter;
        w.findChild<QWidget*>("wgt_print_template_qc")->installEventFilter(&counter);
        child<QRadioButton>(w, "radioButton_chart_qc")->click();
        QCOMPARE(counter.count, 1);
        QVERIFY(w.previewPage()->chartMode);

        // the custom text from the editor
        QTimer::singleShot(50, [] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* editor = qobject_cast<dlgEditText*>(top)) {
                    editor->findChild<QPlainTextEdit*>("plainTextEdit")->setPlainText(QStringLiteral("Checked <b>daily</b>"));
                    editor->findChild<QPushButton*>("pushButton_ok")->click();
                }
            }
        });
        child<QPushButton>(w, "pushButton_edit_qc")->click();
        QCOMPARE(w.customText(), QStringLiteral("Checked <b>daily</b>"));
        QVERIFY(w.previewPage()->previewTool->m_body.contains(QStringLiteral("<strong>14) </strong>Checked <b>daily</b>")));

        child<QSpinBox>(w, "spinBox_qc_fontsize")->setValue(13);
        {
            MessageBoxCloser boxes;
            child<QPushButton>(w, "pushButton_qc_save")->click();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("保存成功")});
        }
        QCOMPARE(stored("QcOptEnable").toInt(), 10);
        QCOMPARE(stored("QcChart").toInt(), 0);
        QCOMPARE(stored("QcPaper").toInt(), 1);
        QCOMPARE(stored("QcFontsize").toInt(), 13);
        QCOMPARE(stored("QcCustomText").toString(), QStringLiteral("Checked <b>daily</b>"));
        QCOMPARE(stored("optEnable").toInt(), 12345);

        // a settings file that cannot be written is reported
        QVERIFY(QFile::remove("./saveFile/printsetting.ini"));
        QVERIFY(QDir().mkdir("./saveFile/printsetting.ini"));
        {
            MessageBoxCloser boxes;
            child<QPushButton>(w, "pushButton_qc_save")->click();
            QCOMPARE(boxes.texts, QStringList{QStringLiteral("保存失败")});
        }
    }

    void logoUpload()
    {
        TempWorkDir dir;
        PrintPreviewQc w;
        QVERIFY(!w.previewPage()->previewTool->m_title.contains("print_logo.png"));
        QImage logo(300, 100, QImage::Format_RGB32);
        logo.fill(Qt::darkCyan);
        QVERIFY(logo.save(dir.file("mine.png")));
        QSignalSpy changed(&w, &PrintPreviewQc::signal_logoChange);
        {
            SaveDialogAnswer answer(dir.file("mine.png"));
            child<QPushButton>(w, "pushButton_upload_logo_qc")->click();
            QCOMPARE(answer.filter, QStringLiteral("Images (*.png *.jpg)"));
        }
        QCOMPARE(changed.count(), 1);
        QVERIFY(QFile::exists("print_logo.png"));
        QVERIFY(w.previewPage()->previewTool->m_title.contains("<img  src='./print_logo.png'  width=120 >"));
        // a cancelled dialog changes nothing
        {
            SaveDialogAnswer answer{QString()};
            child<QPushButton>(w, "pushButton_upload_logo_qc")->click();
            QVERIFY(answer.answered);
        }
        QCOMPARE(changed.count(), 1);
    }

    // Only objects of the sample array become rows; broken sample data leaves the preview.
    void sampleFileVariants()
    {
        TempWorkDir dir;
        QFile f("printSetTemplate.json");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({"result":[1,"x",{"chemistry":"ALB","result":"50","unit":"g/L","up":"40","down":"20"}]})");
        f.close();
        PrintPreviewQc w;
        QCOMPARE(w.previewPage()->reportItems.size(), 1);
        QCOMPARE(w.previewPage()->reportItems.at(0).value, 50.0);
        QCOMPARE(w.previewPage()->reportItems.at(0).rangeText, QStringLiteral("20-40"));
        QVERIFY(w.previewPage()->previewTool->m_body.contains("color: #ff0000;"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{broken");
        f.close();
        const qcPreviewPage* shown = w.previewPage();
        w.refreshPreview();
        // the preview keeps what it showed, with the page its printer belongs to
        QCOMPARE(w.previewPage(), shown);
        QCOMPARE(w.previewPage()->reportItems.size(), 1);
        QVERIFY(w.previewPage()->previewTool);
        w.resize(700, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.grab().isNull());
    }
};

QTEST_MAIN(tst_qcreport_settings)
#include "tst_qcreport_settings.moc"
