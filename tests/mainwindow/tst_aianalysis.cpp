// The AI command of the main window against the local AI analysis server (tools/ai-answer).
#include "CloudConfig.h"
#include "Index.h"
#include "Indexdb.h"
#include "MainWindowTestKit.h"
#include "PcComData.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "dlgAiResult.h"
#include "ui_Index.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSettings>
#include <QSqlQuery>
#include <QAbstractItemView>
#include <QAbstractItemModel>
#include <QTest>
#include <QTimer>

namespace {

const QString kAnswer = QStringLiteral(
    "Panel 4, lot 230117, index 12.\n"
    "Items received: ALB, ALT.\n"
    "This answer comes from the local test server; it is not a clinical assessment.");

// tools/ai-answer/ai_answer.py on a free port of 127.0.0.1, named in cloud.ini.
class AiServer
{
public:
    ~AiServer()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
    bool start(const QString& mode)
    {
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral(AI_ANSWER_SCRIPT), "--port", "0", "--delay", "0.02", "--mode", mode});
        if (!m_process.waitForStarted(5000))
            return false;
        if (!QTest::qWaitFor([&] { read(); return m_port > 0; }, 5000))
            return false;
        QSettings ini(CloudConfig::fileName(), QSettings::IniFormat);
        ini.setIniCodec("UTF8");
        ini.setValue("cn/aiUrl", QString("http://127.0.0.1:%1/ai/analyze").arg(m_port));
        return true;
    }
    // The requests the server logged so far.
    int requests()
    {
        read();
        return m_requests;
    }

private:
    void read()
    {
        while (m_process.canReadLine()) {
            const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
            if (line.startsWith("port: "))
                m_port = line.mid(6).toInt();
            else if (line.startsWith("request: "))
                ++m_requests;
        }
    }
    QProcess m_process;
    int m_port = 0;
    int m_requests = 0;
};

int addResult(int panelId, int panelIndex, int panelLot, const QString& codes)
{
    PanelChkRecord r;
    r.machineid = QStringLiteral("AI1");
    r.chkdatetime = QDateTime::currentDateTime();
    r.panelid = panelId;
    r.panelindex = panelIndex;
    r.panellot = panelLot;
    r.patientinfo = QStringLiteral("{\"name\":\"Rex\"}");
    r.animalsexname = QStringLiteral("0");
    r.testresults = analyteItems(codes);
    return storeResult(r);
}

QString column(int id, const QString& name)
{
    QSqlQuery q;
    q.prepare("select " + name + " from PanelChkResult where id = ?");
    q.addBindValue(id);
    return q.exec() && q.next() ? q.value(0).toString() : QStringLiteral("<no row>");
}

bool selectResult(Index& w, int id)
{
    QAbstractItemView* t = w.form()->tableWidget;
    QAbstractItemModel* m = t->model();
    for (int row = 0; row < m->rowCount(); ++row) {
        if (m->index(row, 0).data().toString() == QString::number(id)) {
            t->clearSelection();
            t->selectionModel()->select(m->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return w.m_currentId == QString::number(id);
        }
    }
    return false;
}

// What the AI dialog showed when it had finished; `whileOpen` runs before it is closed.
struct AiRun
{
    bool opened = false;
    QString text;
    QString status;
};

AiRun runAi(Index& w, const std::function<void()>& whileOpen = {})
{
    AiRun run;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* d = qobject_cast<dlgAiResult*>(QApplication::activeModalWidget());
        if (!d || d->isWaiting())
            return;
        run.opened = true;
        run.text = d->findChild<QPlainTextEdit*>("plainTextEdit")->toPlainText();
        run.status = d->statusText();
        if (whileOpen)
            whileOpen();
        d->reject();
    });
    poll.start(20);
    // A dialog that never finishes is closed, so the test fails instead of hanging.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* d = QApplication::activeModalWidget())
            d->close();
    });
    guard.start(10000);
    w.form()->pushButton_AI->click();
    return run;
}

} // namespace

class tst_aianalysis : public QObject
{
    Q_OBJECT
private slots:
    void init() { PcComData::getInstance()->stopScanPort(); }

    // The first run asks the server and keeps its answer with the result; the next run shows
    // the kept answer without asking again. A change made to the result meanwhile stays.
    void answerKeptOnceComplete()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        AiServer server;
        QVERIFY(server.start("ok"));
        const int id = addResult(4, 12, 230117, "ALB,ALT");
        const int other = addResult(5, 13, 1, "GLU");
        Index w;
        QVERIFY(w.form()->pushButton_AI->isHidden());

        // Nothing selected: no dialog, no request.
        w.form()->tableWidget->clearSelection();
        AiRun none = runAi(w);
        QVERIFY(!none.opened);
        QCOMPARE(server.requests(), 0);

        QVERIFY(selectResult(w, id));
        AiRun first = runAi(w, [&] {
            QSqlQuery q;
            q.prepare("update PanelChkResult set remark = ? where id = ?");
            q.addBindValue("edited meanwhile");
            q.addBindValue(id);
            QVERIFY(q.exec());
        });
        QVERIFY(first.opened);
        QCOMPARE(first.status, QString());
        QCOMPARE(first.text, kAnswer);
        QCOMPARE(server.requests(), 1);
        QCOMPARE(column(id, "aiResult"), kAnswer);
        QCOMPARE(column(id, "remark"), QString("edited meanwhile"));
        QCOMPARE(column(id, "patientinfo"), QString("{\"name\":\"Rex\"}"));
        QCOMPARE(column(other, "aiResult"), QString());

        AiRun again = runAi(w);
        QVERIFY(again.opened);
        QCOMPARE(again.text, kAnswer);
        QCOMPARE(server.requests(), 1);
        QCOMPARE(column(id, "aiResult"), kAnswer);

        // A kept answer is shown as plain text.
        QSqlQuery q;
        q.prepare("update PanelChkResult set aiResult = ? where id = ?");
        q.addBindValue("<b>ALT</b> &lt; 5");
        q.addBindValue(other);
        QVERIFY(q.exec());
        QVERIFY(selectResult(w, other));
        AiRun kept = runAi(w);
        QCOMPARE(kept.text, QString("<b>ALT</b> &lt; 5"));
        QCOMPARE(server.requests(), 1);
    }

    void failedAnswerKeepsNothing_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("cut") << "cut" << "AI分析的回答不完整，结果未保存";
        QTest::newRow("error") << "error" << "AI分析服务器报告错误：the analysis service failed";
        QTest::newRow("malformed") << "malformed" << "AI分析服务器的回答无法识别，结果未保存";
        QTest::newRow("status500") << "status500" << "AI分析服务器报告错误：HTTP 500";
    }
    void failedAnswerKeepsNothing()
    {
        QFETCH(QString, mode);
        QFETCH(QString, message);
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        AiServer server;
        QVERIFY(server.start(mode));
        const int id = addResult(4, 12, 230117, "ALB,ALT");
        Index w;
        QVERIFY(selectResult(w, id));
        AiRun run = runAi(w);
        QVERIFY(run.opened);
        QVERIFY2(run.status.startsWith(message), qPrintable(run.status));
        QCOMPARE(server.requests(), 1);
        QCOMPARE(column(id, "aiResult"), QString());
        // Asked again next time.
        runAi(w);
        QCOMPARE(server.requests(), 2);
    }

    // A complete answer that cannot be stored is reported, not passed over.
    void storeFailureReported()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        AiServer server;
        QVERIFY(server.start("ok"));
        const int id = addResult(4, 12, 230117, "ALB,ALT");
        Index w;
        QVERIFY(selectResult(w, id));
        QSqlQuery q;
        QVERIFY(q.exec("CREATE TRIGGER noai BEFORE UPDATE ON PanelChkResult BEGIN SELECT RAISE(FAIL, 'disk full'); END"));
        MessageBoxCloser boxes;
        AiRun run = runAi(w);
        QCOMPARE(run.text, kAnswer);
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.first().contains("AI分析结果保存失败"), qPrintable(boxes.texts.first()));
        QVERIFY(q.exec("DROP TRIGGER noai"));
        QCOMPARE(column(id, "aiResult"), QString());
    }
};

QTEST_MAIN(tst_aianalysis)
#include "tst_aianalysis.moc"
