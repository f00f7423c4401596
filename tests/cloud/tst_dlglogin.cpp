#include <QtTest>

#include "TestSupport.h"
#include "dlgLogin.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The start-up login lets only the right password through.
class tst_dlglogin : public QObject
{
    Q_OBJECT

    static QPixmap halfBlackHalfWhite()
    {
        QImage img(200, 100, QImage::Format_RGB32);
        img.fill(Qt::white);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                img.setPixel(x, y, qRgb(0, 0, 0));
        return QPixmap::fromImage(img);
    }

private slots:
    void window()
    {
        dlgLogin dlg;
        QVERIFY(dlg.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!dlg.isVisible());
        QVERIFY(dlg.m_password.isEmpty());
        QCOMPARE(dlg.findChild<QLineEdit*>("lineEdit_password")->echoMode(), QLineEdit::Password);
        dlg.setHint("birthday of the cat");
        QCOMPARE(dlg.findChild<QLabel*>("label_hint")->text(), QString::fromUtf8("密码提示:birthday of the cat"));
    }

    void passwordOpensWrongOneDoesNot()
    {
        dlgLogin dlg;
        dlg.m_password = "Vet-2024";
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto* edit = dlg.findChild<QLineEdit*>("lineEdit_password");
        auto* login = dlg.findChild<QPushButton*>("pushButton_login");
        auto* error = dlg.findChild<QLabel*>("label_error");

        QTest::keyClicks(edit, "vet-2024");
        QTest::mouseClick(login, Qt::LeftButton);
        QVERIFY(dlg.isVisible());
        QCOMPARE(error->text(), QString::fromUtf8("密码错误"));

        // Escape does not get past it either.
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
        dlg.close();
        QVERIFY(dlg.isVisible());

        edit->clear();
        QTest::keyClicks(edit, "Vet-2024");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!dlg.isVisible());
        QVERIFY(edit->text().isEmpty());
    }

    // An expected password that could not be read is empty: no entry, the empty one included,
    // may open the program.
    void withoutPasswordEveryEntryIsRefused()
    {
        dlgLogin dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto* edit = dlg.findChild<QLineEdit*>("lineEdit_password");
        auto* login = dlg.findChild<QPushButton*>("pushButton_login");
        auto* error = dlg.findChild<QLabel*>("label_error");
        QTest::mouseClick(login, Qt::LeftButton);
        QVERIFY(dlg.isVisible());
        QCOMPARE(error->text(), QString::fromUtf8("密码错误"));
        for (const char* typed : {"123456", " ", "admin"}) {
            edit->clear();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY2(dlg.isVisible(), typed);
        }
    }

    void blocksTheOtherWindows()
    {
        QWidget main;
        main.show();
        dlgLogin dlg(&main);
        dlg.m_password = "x";
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(QApplication::activeModalWidget(), &dlg);
        dlg.hide();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void quitButtonEndsTheProgram()
    {
        dlgLogin dlg;
        dlg.show();
        QTimer::singleShot(0, &dlg, [&] {
            QTest::mouseClick(dlg.findChild<QPushButton*>("pushButton_quit"), Qt::LeftButton);
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });  // not quit: fail, don't hang
        QCOMPARE(QApplication::exec(), 0);
    }

    void backgroundIsBlurredOnceWhenMissing()
    {
        TempWorkDir dir;
        QVERIFY(!QFile::exists("login.png"));
        dlgLogin::makeLoginBackground(halfBlackHalfWhite());
        QImage out(dir.file("login.png"));
        QVERIFY(!out.isNull());
        QCOMPARE(out.size(), QSize(200, 100));
        // The sharp edge in the middle is smeared: grey on both sides of it.
        const int left = qGray(out.pixel(95, 50));
        const int right = qGray(out.pixel(104, 50));
        QVERIFY2(left > 20 && left < 235, qPrintable(QString::number(left)));
        QVERIFY2(right > 20 && right < 235, qPrintable(QString::number(right)));
        QVERIFY(left < right);

        // An existing background is kept.
        QImage red(10, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save("login.png"));
        dlgLogin::makeLoginBackground(halfBlackHalfWhite());
        QCOMPARE(QImage("login.png").size(), QSize(10, 10));

        // The dialog paints it as its background.
        dlgLogin dlg;
        dlg.resize(300, 200);
        const QImage shot = dlg.grab().toImage();
        QCOMPARE(QColor(shot.pixel(5, 5)), QColor(Qt::red));
    }

    void screenshot()
    {
        const QString out = qEnvironmentVariable("CHEMDESK_SCREENSHOT_DIR");
        if (out.isEmpty())
            QSKIP("set CHEMDESK_SCREENSHOT_DIR to save a picture of the login");
        TempWorkDir dir;
        QImage scene(640, 400, QImage::Format_RGB32);
        QPainter p(&scene);
        p.fillRect(scene.rect(), QColor(60, 110, 160));
        p.fillRect(QRect(100, 80, 300, 200), QColor(230, 200, 120));
        p.end();
        dlgLogin::makeLoginBackground(QPixmap::fromImage(scene));
        dlgLogin dlg;
        dlg.setHint("1234");
        dlg.resize(640, 400);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClicks(dlg.findChild<QLineEdit*>("lineEdit_password"), "12");
        dlg.findChild<QPushButton*>("pushButton_login")->click();
        QVERIFY(dlg.grab().save(out + "/login.png"));
    }
};

QTEST_MAIN(tst_dlglogin)
#include "tst_dlglogin.moc"
