#include "LanguageLoader.h"
#include "MessageBoxCloser.h"
#include "MyMessageBox.h"
#include "SystemSettings.h"
#include "TestSupport.h"
#include "baseDlg.h"
#include "dlgEditText.h"
#include "dlgLoading.h"
#include "qvHeaderView.h"
#include "qvTableView.h"
#include "qvTableWidget.h"

#include <QLabel>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

namespace {
class CountingDlg : public baseDlg
{
public:
    explicit CountingDlg(QWidget* parent = nullptr) : baseDlg(parent)
    {
        label = new QLabel(QStringLiteral("科室"), this);
        button = new QPushButton(QStringLiteral("保存"), this);
    }
    void retranslate() override
    {
        ++retranslations;
        label->setText(QCoreApplication::translate("MyMessageBox", "确定"));
    }
    int retranslations = 0;
    QLabel* label;
    QPushButton* button;
};

// Runs `action` once the event loop turns (so that a modal box can be answered).
void later(int ms, std::function<void()> action)
{
    QTimer::singleShot(ms, qApp, action);
}

QWidget* activeBox()
{
    return QApplication::activeModalWidget();
}
} // namespace

class tst_widgets : public QObject
{
    Q_OBJECT
private slots:
    // As the program does at start: the loader takes the languages stored from then on.
    void initTestCase() { LanguageLoader::instance(); }

    void messageBoxReturnValues()
    {
        later(50, []() { activeBox()->findChild<QPushButton*>("pushButton_ok")->click(); });
        QCOMPARE(MyMessageBox::showMyMessageBox(nullptr, "t", "ok?", 2, 1, true), 0);

        later(50, []() { activeBox()->findChild<QPushButton*>("pushButton_cancel")->click(); });
        QCOMPARE(MyMessageBox::showMyMessageBox(nullptr, "t", "cancel?", 2, 1, true), -1);

        // Closing the box (Escape, the close button) counts as Cancel.
        later(50, []() { QTest::keyClick(activeBox(), Qt::Key_Escape); });
        QCOMPARE(MyMessageBox::showMyMessageBox(nullptr, "t", "escape?", 1, 0, true), -1);

        later(50, []() { activeBox()->close(); });
        QCOMPARE(MyMessageBox::showMyMessageBox(nullptr, "t", "close?", 0, 1, true), -1);
    }

    void messageBoxLooks()
    {
        bool cancelShown = true, iconShown = false;
        QString title, text;
        later(50, [&]() {
            QWidget* box = activeBox();
            title = box->windowTitle();
            text = box->findChild<QLabel*>("label_text")->text();
            cancelShown = box->findChild<QPushButton*>("pushButton_cancel")->isVisible();
            iconShown = box->findChild<QLabel*>("label_icon")->isVisible();
            QVERIFY(box->isModal());
            box->findChild<QPushButton*>("pushButton_ok")->click();
        });
        QCOMPARE(MyMessageBox::showMyMessageBox(nullptr, "警告", "串口已断开连接", 1, 0, true), 0);
        QCOMPARE(title, QString("警告"));
        QCOMPARE(text, QString("串口已断开连接"));
        QVERIFY(!cancelShown);
        QVERIFY(iconShown);

        later(50, [&]() {
            QWidget* box = activeBox();
            iconShown = box->findChild<QLabel*>("label_icon")->isVisible();
            cancelShown = box->findChild<QPushButton*>("pushButton_cancel")->isVisible();
            text = box->findChild<QPushButton*>("pushButton_ok")->text() + "|"
                   + box->findChild<QPushButton*>("pushButton_cancel")->text();
            box->findChild<QPushButton*>("pushButton_cancel")->click();
        });
        QCOMPARE(MyMessageBox::showMyMessageBoxWithText(nullptr, "t", "x", "是", "否", 3, true), -1);
        QVERIFY(!iconShown);
        QVERIFY(cancelShown);
        QCOMPARE(text, QString("是|否"));
    }

    void messageBoxPictureByIconType()
    {
        const char* pictures[] = {":/MessageBox/images/information.png",
                                  ":/MessageBox/images/warning.png",
                                  ":/MessageBox/images/question.png", nullptr};
        QWidget parent;
        for (int type = 0; type <= 3; ++type) {
            QCOMPARE(MyMessageBox::showMyMessageBox(&parent, "t", "x", type, 0, false), -1);
            auto* box = parent.findChildren<MyMessageBox*>().last();
            auto* icon = box->findChild<QLabel*>("label_icon");
            if (pictures[type]) {
                QVERIFY(icon->isVisible());
                QCOMPARE(icon->pixmap(Qt::ReturnByValue).toImage(),
                         QImage(QString::fromLatin1(pictures[type])).convertToFormat(
                             icon->pixmap(Qt::ReturnByValue).toImage().format()));
            } else {
                QVERIFY(!icon->isVisible());
            }
            box->close();
        }
    }

    void nonModalBoxReturnsAtOnce()
    {
        QWidget parent;
        QCOMPARE(MyMessageBox::showMyMessageBox(&parent, "t", "later", 0, 1, false), -1);
        auto* box = parent.findChild<MyMessageBox*>();
        QVERIFY(box);
        QVERIFY(box->isVisible());
        QPointer<MyMessageBox> guard(box);
        box->findChild<QPushButton*>("pushButton_ok")->click();
        QTRY_VERIFY(guard.isNull()); // deletes itself once closed
    }

    void headerToggleEmitsCheck()
    {
        QTableWidget table(3, 4);
        auto* header = new qvHeaderView(Qt::Horizontal, &table);
        header->addCheckSection(1);
        table.setHorizontalHeader(header);
        table.resize(500, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QSignalSpy spy(header, &qvHeaderView::signal_check);

        auto clickSection = [&](int logical) {
            const int x = header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        };
        clickSection(0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
        QCOMPARE(spy.at(0).at(1).toBool(), true);
        QVERIFY(header->isChecked());
        clickSection(0);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(1).toBool(), false);
        // Other sections leave the box alone.
        clickSection(2);
        clickSection(1);
        QCOMPARE(spy.count(), 2);
        QVERIFY(!header->isChecked());
        // The box follows the section when columns are moved.
        header->setSectionsMovable(true);
        header->moveSection(0, 3);
        clickSection(1); // now at visual 0
        QCOMPARE(spy.count(), 3);
        QVERIFY(header->sectionSize(1) >= 20);
    }

    void headerBoxSitsAtTheTopLeftCorner()
    {
        QTableWidget table(3, 4);
        auto* header = new qvHeaderView(Qt::Horizontal, &table);
        header->addCheckSection(1);
        table.setHorizontalHeader(header);
        header->setMinimumHeight(40); // taller than the box, so that its row shows
        table.resize(500, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const QImage off = header->grab().toImage();
        header->setChecked(true);
        const QImage on = header->grab().toImage();
        QCOMPARE(off.size(), on.size());
        // Ticking changes pixels only inside the 20 x 20 box at the header's top-left corner.
        QRect changed;
        for (int y = 0; y < off.height(); ++y)
            for (int x = 0; x < off.width(); ++x)
                if (off.pixel(x, y) != on.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        QVERIFY(!changed.isEmpty());
        const qreal dpr = off.devicePixelRatio();
        QVERIFY2(QRect(0, 0, qCeil(20 * dpr), qCeil(20 * dpr)).contains(changed),
                 qPrintable(QString("%1,%2 %3x%4").arg(changed.x()).arg(changed.y())
                                .arg(changed.width()).arg(changed.height())));
    }

    void tableReportsSelectedRows()
    {
        qvTableWidget table;
        table.setColumnCount(2);
        table.setRowCount(5);
        table.setSelectionBehavior(QAbstractItemView::SelectRows);
        table.setSelectionMode(QAbstractItemView::MultiSelection);
        QSignalSpy spy(&table, &qvTableWidget::signal_selectItems);
        table.selectRow(3);
        table.selectRow(1);
        QVERIFY(spy.count() >= 2);
        QCOMPARE(spy.last().at(0).value<QVector<int>>(), (QVector<int>{1, 3}));
        QCOMPARE(table.selectedRows(), (QVector<int>{1, 3}));
    }

    // The view tells of every change of its selection, and of none when a model is set (its
    // owner may not be ready for it yet).
    void viewReportsSelectionChanges()
    {
        QStandardItemModel model(4, 2);
        qvTableView view;
        QSignalSpy spy(&view, &qvTableView::itemSelectionChanged);
        view.setModel(&model);
        QCOMPARE(spy.count(), 0);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.selectRow(2);
        QCOMPARE(spy.count(), 1);
        view.selectRow(1);
        QCOMPARE(spy.count(), 2);
        view.clearSelection();
        QCOMPARE(spy.count(), 3);
        view.clearSelection();
        QCOMPARE(spy.count(), 3);
    }

    void baseDlgTooltipsAndLanguageChange()
    {
        TempWorkDir dir;
        CountingDlg dlg;
        dlg.show();
        QCOMPARE(dlg.label->toolTip(), QString("科室"));
        QCOMPARE(dlg.button->toolTip(), QString("保存"));
        setLanguage("English");
        QTRY_VERIFY(dlg.retranslations > 0);
        QCOMPARE(dlg.label->text(), QString("OK"));
        QCOMPARE(dlg.label->toolTip(), QString("OK"));
        setLanguage("Chinese");
        QTRY_COMPARE(dlg.label->text(), QString("确定"));
    }

    void editTextAcceptAndCancel()
    {
        dlgEditText accepted(QStringLiteral("旧文本"));
        later(50, [&]() {
            auto* edit = accepted.findChild<QPlainTextEdit*>("plainTextEdit");
            QCOMPARE(edit->toPlainText(), QString("旧文本"));
            edit->setPlainText(QStringLiteral("新的\n<b>文本</b>"));
            accepted.findChild<QPushButton*>("pushButton_ok")->click();
        });
        QCOMPARE(accepted.exec(), int(QDialog::Accepted));
        QCOMPARE(accepted.resultText(), QString("新的\n<b>文本</b>"));

        dlgEditText cancelled(QStringLiteral("旧文本"));
        later(50, [&]() {
            cancelled.findChild<QPlainTextEdit*>("plainTextEdit")->setPlainText("x");
            cancelled.findChild<QPushButton*>("pushButton_cancel")->click();
        });
        QCOMPARE(cancelled.exec(), int(QDialog::Rejected));
        QCOMPARE(cancelled.resultText(), QString());
    }

    void builtInImages()
    {
        for (const char* name : {":/images/logo.ico", ":/images/logo_qv.png", ":/images/find.png",
                                 ":/images/setting.png", ":/images/bianji.png",
                                 ":/MessageBox/images/information.png",
                                 ":/MessageBox/images/warning.png", ":/MessageBox/images/question.png"})
            QVERIFY2(!QImage(QString::fromLatin1(name)).isNull(), name);
        // Fifteen gauge pictures, each with the marker in its own place.
        QSet<QByteArray> distinct;
        for (int i = 1; i <= 15; ++i) {
            const QImage gauge(QStringLiteral(":/images/%1.png").arg(i, 2, 10, QLatin1Char('0')));
            QVERIFY(!gauge.isNull());
            distinct.insert(QByteArray(reinterpret_cast<const char*>(gauge.constBits()), gauge.sizeInBytes()));
        }
        QCOMPARE(distinct.size(), 15);
        QVERIFY(!QImage(":/images/logo_qv.png").isNull());
        QVERIFY(QImage(":/images/logo_qv.png").width() > 2 * QImage(":/images/logo_qv.png").height());
    }

    void loadingOverlay()
    {
        dlgLoading* loading = dlgLoading::getInstance();
        QCOMPARE(dlgLoading::getInstance(), loading);
        QWidget window;
        window.resize(640, 480);
        window.show();
        loading->startLoading(&window);
        QVERIFY(loading->isLoading());
        QCOMPARE(loading->size(), window.frameGeometry().size());
        auto* label = loading->findChild<QLabel*>();
        QVERIFY(label->movie());
        QVERIFY(label->movie()->isValid()); // the built-in animation is there and readable
        loading->stopLoading();
        QVERIFY(!loading->isLoading());
    }
};

QTEST_MAIN(tst_widgets)
#include "tst_widgets.moc"
