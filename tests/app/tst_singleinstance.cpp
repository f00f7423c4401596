#include "SingleInstanceGuard.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QUuid>
#include <QtTest>

// The single-instance guard across real processes.
class tst_singleinstance : public QObject
{
    Q_OBJECT
private:
    QString helper() const { return QCoreApplication::applicationDirPath() + "/guard_helper"; }
    QString key;

    bool waitForLine(QProcess& p, const QByteArray& line, int ms = 10000)
    {
        QElapsedTimer t;
        t.start();
        QByteArray seen;
        while (t.elapsed() < ms) {
            if (p.bytesAvailable() == 0)
                p.waitForReadyRead(100);
            seen += p.readAll();
            if (seen.contains(line))
                return true;
            if (p.state() == QProcess::NotRunning && p.bytesAvailable() == 0)
                return seen.contains(line);
        }
        return false;
    }

    void stop(QProcess& p)
    {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(5000);
        }
    }

private slots:
    void init() { key = "chemdesk-test-" + QUuid::createUuid().toString(QUuid::Id128).left(12); }

    void secondStartSignalsTheFirstAndExits()
    {
        QProcess first;
        first.start(helper(), {key});
        QVERIFY(waitForLine(first, "first"));

        QProcess second;
        second.start(helper(), {key});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 3);
        QVERIFY(second.readAll().contains("second\n"));
        QVERIFY(waitForLine(first, "reopen"));
        QCOMPARE(first.state(), QProcess::Running);

        // Once and again: every later start is told off and brings the first forward.
        QProcess third;
        third.start(helper(), {key});
        QVERIFY(third.waitForFinished(10000));
        QCOMPARE(third.exitCode(), 3);
        QVERIFY(waitForLine(first, "reopen"));
        stop(first);
    }

    void staleLockOfKilledInstanceDoesNotBlock()
    {
        QProcess first;
        first.start(helper(), {key});
        QVERIFY(waitForLine(first, "first"));
        SingleInstanceGuard probe(key);
        QVERIFY(QFile::exists(probe.lockFilePath()));
        first.kill(); // no chance to clean up: lock file and socket stay behind
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(QFile::exists(probe.lockFilePath()));

        QProcess next;
        next.start(helper(), {key});
        QVERIFY(waitForLine(next, "first"));
        // And the new instance answers a further start.
        QProcess another;
        another.start(helper(), {key});
        QVERIFY(another.waitForFinished(10000));
        QCOMPARE(another.exitCode(), 3);
        QVERIFY(waitForLine(next, "reopen"));
        stop(next);
    }

    void inProcessGuardReleasesTheLock()
    {
        {
            SingleInstanceGuard guard(key);
            QVERIFY(guard.tryRun());
            QCOMPARE(SingleInstanceGuard::instance(), &guard);
            SingleInstanceGuard other(key);
            QVERIFY(!other.tryRun());
        }
        QCOMPARE(SingleInstanceGuard::instance(), nullptr);
        SingleInstanceGuard again(key);
        QVERIFY(again.tryRun());
    }
};

QTEST_MAIN(tst_singleinstance)
#include "tst_singleinstance.moc"
