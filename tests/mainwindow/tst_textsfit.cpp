// Texts that a translation makes longer still fit their widgets: every visible button, check box,
// radio button, label, line edit and table header section of the main window (both tabs, before and after a
// result is chosen), the merged report, the print settings (both pages), the settings and the
// dialogs they open, the advanced search, the recycle bins, the QC query and the sign-in shows its
// whole text in English and Russian, each window at the size it opens with, in a desktop's
// default font; and none of them is left in Chinese. Set CHEMDESK_SHOTS to a folder to keep the
// pictures.
#include "ConsolidatedReport.h"
#include "Historyrecord.h"
#include "Hospitalname.h"
#include "Language.h"
#include "RecycleBin.h"
#include "SiUnit.h"
#include "dbresource.h"
#include "dlgLogin.h"
#include "dlgQcQuery.h"
#include "dlgSetProjectGroup.h"
#include "Index.h"
#include "Indexdb.h"
#include "LanguageLoader.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "PrintPreview.h"
#include "Patientfind.h"
#include "SettingDialog.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "ui_Index.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

namespace {
void keepShot(QWidget* w, const QString& name)
{
    const QString folder = qEnvironmentVariable("CHEMDESK_SHOTS");
    if (!folder.isEmpty())
        w->grab().save(QDir(folder).filePath(name + ".png"));
}

QString describe(const QWidget* w, const QString& text, int need, int have)
{
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(w->objectName(), text).arg(need).arg(have);
}

// The texts under `root` that do not fit where they are shown.
QStringList clippedTexts(QWidget* root)
{
    QStringList out;
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(root) || b->text().isEmpty())
            continue;
        // The room the style leaves for the text: the button less its border, padding, indicator
        // and menu arrow.
        int room = -1;
        if (auto* p = qobject_cast<QPushButton*>(b)) {
            QStyleOptionButton opt;
            opt.initFrom(p);
            opt.text = p->text();
            opt.features = p->menu() ? QStyleOptionButton::HasMenu : QStyleOptionButton::None;
            room = p->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, p).width();
            if (p->menu())
                room -= p->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &opt, p);
        } else if (auto* c = qobject_cast<QCheckBox*>(b)) {
            QStyleOptionButton opt;
            opt.initFrom(c);
            opt.text = c->text();
            room = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, c).width();
        } else if (auto* r = qobject_cast<QRadioButton*>(b)) {
            QStyleOptionButton opt;
            opt.initFrom(r);
            opt.text = r->text();
            room = r->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, r).width();
        } else {
            continue;
        }
        const int need = b->fontMetrics().horizontalAdvance(b->text());
        if (need > room)
            out << describe(b, b->text(), need, room);
    }
    for (QLabel* l : root->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(root) || l->text().isEmpty() || Qt::mightBeRichText(l->text()))
            continue;
        if (l->wordWrap()) {
            // A wrapping label needs the height of its lines.
            const int lines = l->heightForWidth(l->width()) - (l->height() - l->contentsRect().height());
            if (lines > l->contentsRect().height())
                out << describe(l, l->text(), lines, l->contentsRect().height());
            continue;
        }
        const int need = l->fontMetrics().horizontalAdvance(l->text());
        if (need > l->contentsRect().width())
            out << describe(l, l->text(), need, l->contentsRect().width());
    }
    for (QLineEdit* e : root->findChildren<QLineEdit*>()) {
        if (!e->isVisibleTo(root) || e->text().isEmpty())
            continue;
        // The room QLineEdit draws its text in: the style's contents less the margins and 2 px
        // each side.
        QStyleOptionFrame opt;
        opt.initFrom(e);
        opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
        opt.state |= QStyle::State_Sunken;
        const int room = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).marginsRemoved(e->textMargins()).width() - 4;
        const int need = e->fontMetrics().horizontalAdvance(e->text());
        if (need > room)
            out << describe(e, e->text(), need, room);
    }
    for (QHeaderView* h : root->findChildren<QHeaderView*>()) {
        if (!h->isVisibleTo(root) || h->orientation() != Qt::Horizontal)
            continue;
        QAbstractItemModel* model = h->model();
        if (!model)
            continue;
        for (int s = 0; s < h->count(); ++s) {
            if (h->isSectionHidden(s))
                continue;
            const QString text = model->headerData(s, Qt::Horizontal).toString();
            if (text.isEmpty())
                continue;
            // The style sheet pads a section by 4 px on each side.
            const int need = h->fontMetrics().horizontalAdvance(text) + 8;
            if (h->sectionSize(s) < need)
                out << describe(h->parentWidget(), text, need, h->sectionSize(s));
        }
    }
    return out;
}

bool hasHan(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff)
            return true;
    return false;
}

// The texts under `root` still in Chinese: its title, buttons and their menus, labels, group
// boxes, tabs and headers.
QStringList untranslatedTexts(QWidget* root)
{
    QStringList texts{root->windowTitle()};
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(root))
            continue;
        texts << b->text();
        if (auto* p = qobject_cast<QPushButton*>(b); p && p->menu())
            for (QAction* a : p->menu()->actions())
                texts << a->text();
    }
    for (QLabel* l : root->findChildren<QLabel*>())
        if (l->isVisibleTo(root))
            texts << l->text();
    for (QGroupBox* g : root->findChildren<QGroupBox*>())
        if (g->isVisibleTo(root))
            texts << g->title();
    for (QTabWidget* t : root->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            texts << t->tabText(i);
    for (QHeaderView* h : root->findChildren<QHeaderView*>()) {
        if (!h->isVisibleTo(root) || !h->model())
            continue;
        for (int s = 0; s < h->count(); ++s)
            if (!h->isSectionHidden(s))
                texts << h->model()->headerData(s, h->orientation()).toString();
    }
    QStringList out;
    for (const QString& t : qAsConst(texts))
        if (hasHan(t))
            out << t;
    return out;
}

PanelChkRecord sampleRecord(const QString& sample)
{
    PanelChkRecord r;
    r.machineid = "QV-12";
    r.chkdatetime = QDateTime(QDate(2024, 5, 1), QTime(10, 0));
    r.panelid = 1;
    r.patientinfo = QStringLiteral(R"({"id":"%1","name":"Lucky","number":"P100","division":"1","age":"400"})").arg(sample);
    r.speciesname = "1";
    r.animalsexname = "0";
    r.sampletypename = "0";
    r.testresults = R"([{"N":"TP","I":[60,50,80,0,0,"g/L"]},{"N":"ALB","I":[20,25,40,0,0,"g/L"]},)"
                    R"({"N":"ALT","I":[76,10,125,0,0,"U/L"]}])";
    return r;
}

bool showAndSettle(QWidget* w)
{
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        return false;
    // Let the layouts take the window's size and texts.
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    return true;
}
}

class tst_textsfit : public QObject
{
    Q_OBJECT
    // One main window per language (the rows come grouped by language), opened in that language
    // over a database of two results; each row's dialog is opened over it.
    QScopedPointer<Index> m_main;
    QScopedPointer<TempWorkDir> m_dir;
    QString m_language;
    QSize m_normal;

    void closeMain()
    {
        m_main.reset();
        m_dir.reset();
        m_language.clear();
    }

    bool openMain(const QString& language)
    {
        closeMain();
        m_dir.reset(new TempWorkDir);
        if (!prepareMainDatabase())
            return false;
        for (const char* sample : {"S001", "S002"}) {
            PanelChkRecord r = sampleRecord(sample);
            if (!Indexdb().insertData(r))
                return false;
        }
        if (!setLanguage(language))
            return false;
        m_main.reset(new Index);
        m_language = language;
        // The size the window opens with (the offscreen screen would squeeze it).
        m_normal = m_main->size();
        if (!showAndSettle(m_main.data()))
            return false;
        m_main->resize(m_normal);
        QApplication::processEvents();
        return true;
    }

private slots:
    void initTestCase()
    {
        PcComData::getInstance()->stopScanPort();
        LanguageLoader::instance();
        // A desktop's default font; the offscreen platform has none of its own.
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    }
    void cleanupTestCase()
    {
        closeMain();
        QVERIFY(setLanguage("Chinese"));
    }

    void windowsShowWholeTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char* l : {"English", "Russian"})
            for (const char* w : {"main-empty", "main-tests", "main-qc", "merged", "printsettings-tests", "printsettings-qc",
                                  "settings", "search", "clinic", "units", "language", "cloudregion", "panelgroup",
                                  "reportbin", "qcbin", "qcquery", "login"})
                QTest::newRow(qPrintable(QString("%1 %2").arg(l, w))) << QString(l) << QString(w);
    }
    void windowsShowWholeTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        // "main-empty" opens each language's window: no result is chosen yet.
        if (window == "main-empty" || m_language != language)
            QVERIFY(openMain(language));
        Index& main = *m_main;
        main.form()->tabWidget->setCurrentIndex(window == "main-qc" ? 1 : 0);
        if (window != "main-empty")
            main.form()->tableWidget->selectRow(0);
        QScopedPointer<QWidget> dialog;
        QWidget* shown = &main;
        if (window == "main-tests")   // the acquisition mode shown beside the port
            main.form()->modelabel->setText(QCoreApplication::translate("Index", "当前获取数据模式为 串口模式..."));
        if (window == "merged") {
            PanelChkRecord r = sampleRecord("S001");
            dialog.reset(new ConsolidatedReport(r, &main));
            // Ages of three digits (years, months).
            dialog->findChild<QLineEdit*>("lineEdit_6")->setText("100");
            dialog->findChild<QLineEdit*>("lineEdit_13")->setText("11");
        } else if (window.startsWith("printsettings")) {
            auto* p = new PrintPreview(&main);
            dialog.reset(p);
            auto* tabs = p->findChild<QTabWidget*>("tabWidget");
            QVERIFY(tabs);
            tabs->setCurrentIndex(window.endsWith("qc") ? 1 : 0);
        } else if (window == "settings") {
            dialog.reset(new SettingDialog(&main));
        } else if (window == "search") {
            dialog.reset(new Patientfind(&main));
        } else if (window == "clinic") {
            dialog.reset(new Hospitalname(&main));
        } else if (window == "units") {
            dialog.reset(new SiUnit(&main));
        } else if (window == "language") {
            dialog.reset(new Language(&main));
        } else if (window == "cloudregion") {
            dialog.reset(new dbresource(&main));
        } else if (window == "panelgroup") {
            dialog.reset(new dlgSetProjectGroup(&main));
        } else if (window == "reportbin") {
            dialog.reset(new Historyrecord(&main));
        } else if (window == "qcbin") {
            dialog.reset(new RecycleBin(&main));
        } else if (window == "qcquery") {
            dialog.reset(new dlgQcQuery(&main));
        } else if (window == "login") {
            dialog.reset(new dlgLogin(&main));
        }
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        if (dialog) {
            shown = dialog.data();
            QVERIFY(showAndSettle(shown));
        }
        keepShot(shown, "textsfit-" + language + "-" + window);
        const QStringList clipped = clippedTexts(shown);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("\n")));
        const QStringList chinese = untranslatedTexts(shown);
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join("\n")));
    }
};

QTEST_MAIN(tst_textsfit)
#include "tst_textsfit.moc"
