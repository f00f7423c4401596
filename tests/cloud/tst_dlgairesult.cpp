#include <QtTest>

#include "CloudConfig.h"
#include "TestSupport.h"
#include "dlgAiResult.h"
#include "ui_dlgAiResult.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTranslator>

namespace {

// An HTTP server on 127.0.0.1 that the test scripts: it keeps the request and sends what the
// test tells it, when it tells it.
class ScriptedServer : public QObject
{
public:
    ScriptedServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                ++connections;
                m_client = s;
                m_request.clear();
                connect(s, &QTcpSocket::readyRead, this, [this, s] {
                    m_request += s->readAll();
                    if (m_hangUpAll)
                        s->disconnectFromHost();
                });
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }
    quint16 port() const { return m_server.serverPort(); }

    // Waits for a whole request (head and the body its Content-Length announces).
    bool waitRequest()
    {
        return QTest::qWaitFor([this] {
            const int end = m_request.indexOf("\r\n\r\n");
            if (end < 0)
                return false;
            head = QString::fromLatin1(m_request.left(end));
            const QRegularExpression lengthRe("content-length:\\s*(\\d+)", QRegularExpression::CaseInsensitiveOption);
            const int length = lengthRe.match(head).captured(1).toInt();
            if (m_request.size() < end + 4 + length)
                return false;
            body = m_request.mid(end + 4, length);
            return true;
        }, 5000);
    }
    void send(const QByteArray& bytes)
    {
        m_client->write(bytes);
        m_client->flush();
    }
    void sendOkHead() { send("HTTP/1.1 200 OK\r\nContent-Type: application/x-ndjson\r\nConnection: close\r\n\r\n"); }
    void close() { m_client->disconnectFromHost(); }
    // Hangs up now and on every later request (the client may try again).
    void hangUpAll()
    {
        m_hangUpAll = true;
        close();
    }
    bool clientGone() const { return !m_client || m_client->state() == QAbstractSocket::UnconnectedState; }

    QString head;
    QByteArray body;
    int connections = 0;

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    QByteArray m_request;
    bool m_hangUpAll = false;
};

void setAiUrl(const QString& url)
{
    QDir().mkpath("saveFile");
    QSettings ini(CloudConfig::fileName(), QSettings::IniFormat);
    ini.setIniCodec("UTF8");
    ini.setValue("cn/aiUrl", url);
}

QString shownText(dlgAiResult& d)
{
    return d.findChild<QPlainTextEdit*>("plainTextEdit")->toPlainText();
}

bool waitingShown(dlgAiResult& d)
{
    return d.findChild<QWidget*>("widget_waiting")->isVisible();
}

void saveShot(QWidget& w, const QString& name)
{
    const QByteArray dir = qgetenv("CHEMDESK_SHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

} // namespace

class tst_dlgairesult : public QObject
{
    Q_OBJECT
private slots:
    // The request carries the result as given; the answer is shown piece by piece as it
    // arrives, as plain text, and kept only once the server said it is complete.
    void streamedAnswer()
    {
        TempWorkDir dir;
        ScriptedServer server;
        setAiUrl(QString("http://127.0.0.1:%1/ai/analyze").arg(server.port()));
        dlgAiResult d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(waitingShown(d));

        const QString results = QString::fromUtf8("[{\"N\":\"ALT\",\"I\":[1,0,2,0,9,\"U/L\"]},{\"N\":\"肝\\\"x\"}]");
        d.startAiReq(7, 3, 20240105, results);
        QVERIFY(server.waitRequest());
        QVERIFY(server.head.startsWith("POST /ai/analyze HTTP/1.1"));
        QVERIFY(server.head.contains("application/json", Qt::CaseInsensitive));
        QJsonParseError error;
        const QJsonObject request = QJsonDocument::fromJson(server.body, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(request.keys(), QStringList({"panelId", "panelIndex", "panelLot", "testResults"}));
        QCOMPARE(request.value("panelIndex").toInt(), 7);
        QCOMPARE(request.value("panelId").toInt(), 3);
        QCOMPARE(request.value("panelLot").toInt(), 20240105);
        QCOMPARE(request.value("testResults").toString(), results);
        QApplication::processEvents();
        saveShot(d, "dlgairesult_waiting");

        server.sendOkHead();
        server.send("{\"text\":\"ALT <b>high</b> &amp; \"}\n{\"text\":\"肝");
        QTRY_COMPARE(shownText(d), QString("ALT <b>high</b> &amp; "));
        QVERIFY(d.isWaiting());
        QVERIFY(!waitingShown(d));
        QCOMPARE(d.completeAnswer(), QString());
        server.send("功能\\n\"}\n{\"text\":\"check again in 2 weeks\"}\n");
        QTRY_COMPARE(shownText(d), QString::fromUtf8("ALT <b>high</b> &amp; 肝功能\ncheck again in 2 weeks"));
        QVERIFY(d.isWaiting());
        server.send("{\"done\":true}\n");
        QTRY_VERIFY(!d.isWaiting());
        const QString answer = QString::fromUtf8("ALT <b>high</b> &amp; 肝功能\ncheck again in 2 weeks");
        QCOMPARE(d.completeAnswer(), answer);
        QCOMPARE(d.m_aiText, answer);
        QCOMPARE(d.statusText(), QString());
        QVERIFY(!d.findChild<QLabel*>("label_status")->isVisible());
        saveShot(d, "dlgairesult_answer");
        // The dialog hangs up once the answer is complete.
        QTRY_VERIFY(server.clientGone());
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("reply"); // what the server sends before it closes
        QTest::addColumn<bool>("hangUp");
        QTest::addColumn<QString>("message");
        QTest::newRow("server error line")
            << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n{\"text\":\"part\"}\n{\"error\":\"model offline\"}\n")
            << false << "AI分析服务器报告错误：model offline";
        QTest::newRow("http 500")
            << QByteArray("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 5\r\nConnection: close\r\n\r\noops!")
            << true << "AI分析服务器报告错误：HTTP 500 Internal Server Error";
        QTest::newRow("html page") << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n<html>\n<body>x</body>\n")
                                   << false << "AI分析服务器的回答无法识别，结果未保存";
        QTest::newRow("cut before done")
            << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n{\"text\":\"first half\"}\n") << true
            << "AI分析的回答不完整，结果未保存";
        QTest::newRow("done without text") << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n{\"done\":true}\n")
                                           << false << "AI分析服务器没有给出结果";
        QTest::newRow("closed without answer") << QByteArray() << true << "无法连接AI分析服务器：";
        QTest::newRow("silent server") << QByteArray("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n{\"text\":\"a\"}\n")
                                       << false << "AI分析服务器没有及时回答，结果未保存";
    }

    // Whatever goes wrong, the dialog says so and keeps no answer.
    void failures()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, hangUp);
        QFETCH(QString, message);
        TempWorkDir dir;
        ScriptedServer server;
        setAiUrl(QString("http://127.0.0.1:%1/ai/analyze").arg(server.port()));
        dlgAiResult d;
        d.m_timeoutMs = 700;
        d.show();
        d.startAiReq(1, 2, 3, "[]");
        QVERIFY(server.waitRequest());
        if (!reply.isEmpty())
            server.send(reply);
        if (hangUp)
            server.hangUpAll();
        QTRY_VERIFY_WITH_TIMEOUT(!d.isWaiting(), 5000);
        QVERIFY2(d.statusText().startsWith(message), qPrintable(d.statusText()));
        QVERIFY(d.findChild<QLabel*>("label_status")->isVisible());
        QVERIFY(!waitingShown(d));
        QCOMPARE(d.completeAnswer(), QString());
        if (QByteArray(QTest::currentDataTag()) == "silent server") {
            QCOMPARE(shownText(d), QString("a"));
            QTRY_VERIFY(server.clientGone());
            saveShot(d, "dlgairesult_failed");
        }
    }

    void unreachableOrInvalidAddress_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("message");
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString refused = QString("http://127.0.0.1:%1/ai/analyze").arg(closed.serverPort());
        closed.close();
        QTest::newRow("nobody listens") << refused << "无法连接AI分析服务器：";
        QTest::newRow("not http") << "ftp://127.0.0.1/ai" << "AI分析服务器地址无效：ftp://127.0.0.1/ai";
        QTest::newRow("no host") << "http:///ai" << "AI分析服务器地址无效：http:///ai";
        QTest::newRow("empty") << "" << "AI分析服务器地址无效：";
    }
    void unreachableOrInvalidAddress()
    {
        QFETCH(QString, url);
        QFETCH(QString, message);
        TempWorkDir dir;
        setAiUrl(url);
        dlgAiResult d;
        d.startAiReq(1, 2, 3, "[]");
        QTRY_VERIFY_WITH_TIMEOUT(!d.isWaiting(), 5000);
        QVERIFY2(d.statusText().startsWith(message), qPrintable(d.statusText()));
        QCOMPARE(d.completeAnswer(), QString());
    }

    // Closing the dialog while the answer streams gives the request up and keeps nothing.
    void closedWhileWaiting()
    {
        TempWorkDir dir;
        ScriptedServer server;
        setAiUrl(QString("http://127.0.0.1:%1/ai/analyze").arg(server.port()));
        dlgAiResult d;
        d.show();
        d.startAiReq(1, 2, 3, "[]");
        QVERIFY(server.waitRequest());
        server.sendOkHead();
        server.send("{\"text\":\"half\"}\n");
        QTRY_COMPARE(d.m_aiText, QString("half"));
        d.findChild<QPushButton*>("pushButton_close")->click();
        QVERIFY(!d.isVisible());
        QVERIFY(!d.isWaiting());
        QCOMPARE(d.completeAnswer(), QString());
        QTRY_VERIFY(server.clientGone());
        server.send("{\"done\":true}\n");
        QTest::qWait(50);
        QCOMPARE(d.completeAnswer(), QString());
    }

    // In English the dialog and its messages read in English, also after a language change
    // while it is open.
    void englishTexts()
    {
        TempWorkDir dir;
        setAiUrl("ftp://127.0.0.1/ai");
        dlgAiResult d;
        d.show();
        QTranslator english;
        QVERIFY(english.load(":/Translate_EN.qm"));
        QVERIFY(QCoreApplication::installTranslator(&english));
        QCoreApplication::processEvents();
        QCOMPARE(d.windowTitle(), QString("AI analysis"));
        QCOMPARE(d.findChild<QLabel*>("label_waiting")->text(), QString("Analysing, please wait…"));
        QCOMPARE(d.findChild<QPushButton*>("pushButton_close")->text(), QString("Close"));
        saveShot(d, "dlgairesult_en_waiting");
        d.startAiReq(1, 2, 3, "[]");
        QCOMPARE(d.statusText(), QString("The AI analysis server address is not valid: ftp://127.0.0.1/ai"));
        saveShot(d, "dlgairesult_en_failed");
        QVERIFY(QCoreApplication::removeTranslator(&english));
        QCoreApplication::processEvents();
        QCOMPARE(d.windowTitle(), QString("AI分析"));
    }

    // A kept answer is shown as plain text without a request.
    void keptAnswerShown()
    {
        TempWorkDir dir;
        ScriptedServer server;
        setAiUrl(QString("http://127.0.0.1:%1/ai/analyze").arg(server.port()));
        dlgAiResult d;
        d.show();
        QVERIFY(waitingShown(d));
        d.showText("<i>kept</i> answer");
        QCOMPARE(shownText(d), QString("<i>kept</i> answer"));
        QVERIFY(!waitingShown(d));
        QVERIFY(!d.isWaiting());
        QTest::qWait(100);
        QCOMPARE(server.connections, 0);
    }
};

QTEST_MAIN(tst_dlgairesult)
#include "tst_dlgairesult.moc"
