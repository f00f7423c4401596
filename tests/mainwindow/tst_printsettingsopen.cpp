// The print settings dialog opened from the main window's settings dialog.
#include "Index.h"
#include "MainWindowTestKit.h"
#include "PrintPreview.h"
#include "SettingDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_printsettingsopen : public QObject
{
    Q_OBJECT

private slots:
    void openedFromSettingsButton()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        int opened = 0;
        bool filled = false;
        QWidget* parentSeen = nullptr;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* p = qobject_cast<PrintPreview*>(top)) {
                    if (!p->isVisible() || !p->findChild<QCheckBox*>("checkBox_opt_24"))
                        continue;
                    ++opened;
                    filled = p->previewPage() != nullptr;
                    parentSeen = p->parentWidget();
                    p->reject();
                    return;
                }
            }
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* s = qobject_cast<SettingDialog*>(top)) {
                    if (!s->isVisible())
                        continue;
                    if (opened == 0 && !s->property("clicked").toBool()) {
                        s->setProperty("clicked", true);
                        // Clicked from outside this handler: a timer does not fire again
                        // while its handler runs the dialog's event loop.
                        QTimer::singleShot(0, s->findChild<QPushButton*>("pushButton_printpreview"),
                                           &QPushButton::click);
                    } else if (opened > 0) {
                        s->reject();
                    }
                    return;
                }
            }
        });
        poll.start(30);
        w.on_pushButton_12_clicked();
        QCOMPARE(opened, 1);
        QVERIFY(filled);
        QCOMPARE(parentSeen, &w);
    }
};

QTEST_MAIN(tst_printsettingsopen)
#include "tst_printsettingsopen.moc"
