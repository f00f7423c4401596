#include <QtTest>

#include "AiAnswerStream.h"

// The AI answer read line by line, however the bytes arrive.
class tst_aianswerstream : public QObject
{
    Q_OBJECT
private slots:
    void everySplit_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<bool>("closed"); // the server closed the connection after the bytes
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");

        const QByteArray two = "{\"text\":\"Leber: \"}\n{\"text\":\"ALT \\u00fcber 50 – 肝功能\\n\"}\n";
        const QString twoText = QString::fromUtf8("Leber: ALT über 50 – 肝功能\n");
        QTest::newRow("complete") << QByteArray(two + "{\"done\":true}\n") << true << int(AiAnswerStream::Complete)
                                  << twoText << QString();
        QTest::newRow("complete, CRLF and blank lines")
            << QByteArray("\r\n{\"text\":\"a\"}\r\n\r\n{\"done\":true}\r\n") << true << int(AiAnswerStream::Complete)
            << "a" << QString();
        QTest::newRow("text and done in one line") << QByteArray("{\"text\":\"all\",\"done\":true}\n") << true
                                                   << int(AiAnswerStream::Complete) << "all" << QString();
        QTest::newRow("done line without line break") << QByteArray(two + "{\"done\":true}") << true
                                                      << int(AiAnswerStream::Complete) << twoText << QString();
        QTest::newRow("bytes after done ignored")
            << QByteArray("{\"text\":\"x\"}\n{\"done\":true}\n{\"text\":\"y\"}\n<html>") << true
            << int(AiAnswerStream::Complete) << "x" << QString();
        QTest::newRow("cut before done") << two << true << int(AiAnswerStream::Reading) << twoText << QString();
        QTest::newRow("cut inside a line") << QByteArray(two + "{\"text\":\"hal") << true
                                           << int(AiAnswerStream::Malformed) << twoText << QString();
        QTest::newRow("still open") << QByteArray(two + "{\"done\":tr") << false << int(AiAnswerStream::Reading)
                                    << twoText << QString();
        QTest::newRow("server error") << QByteArray("{\"text\":\"a\"}\n{\"error\":\"model <offline>\"}\n{\"done\":true}\n")
                                      << true << int(AiAnswerStream::ServerError) << "a" << "model <offline>";
        QTest::newRow("html page") << QByteArray("<html><body>502</body></html>\n") << true
                                   << int(AiAnswerStream::Malformed) << QString() << QString();
        QTest::newRow("json array line") << QByteArray("[\"a\"]\n") << true << int(AiAnswerStream::Malformed)
                                         << QString() << QString();
        QTest::newRow("text not a string") << QByteArray("{\"text\":12}\n{\"done\":true}\n") << true
                                           << int(AiAnswerStream::Malformed) << QString() << QString();
        QTest::newRow("unknown object") << QByteArray("{\"answer\":\"a\"}\n") << true
                                        << int(AiAnswerStream::Malformed) << QString() << QString();
        QTest::newRow("done false") << QByteArray("{\"text\":\"a\"}\n{\"done\":false}\n") << true
                                    << int(AiAnswerStream::Malformed) << "a" << QString();
        QTest::newRow("invalid utf-8") << QByteArray("{\"text\":\"a\xff\xfe\"}\n{\"done\":true}\n") << true
                                       << int(AiAnswerStream::Malformed) << QString() << QString();
    }

    // Fed in two parts split at every byte, the stream gives the same text and the same end.
    void everySplit()
    {
        QFETCH(QByteArray, stream);
        QFETCH(bool, closed);
        QFETCH(int, state);
        QFETCH(QString, text);
        QFETCH(QString, error);
        for (int cut = 0; cut <= stream.size(); ++cut) {
            AiAnswerStream s;
            QString shown = s.feed(stream.left(cut));
            shown += s.feed(stream.mid(cut));
            if (closed)
                shown += s.finish();
            const QString where = QString("cut at %1").arg(cut);
            QCOMPARE(int(s.state()), state);
            QVERIFY2(shown == text, qPrintable(where + ": " + shown));
            QCOMPARE(s.text(), text);
            QCOMPARE(s.errorText(), error);
        }
        // Byte by byte, as a slow server sends it.
        AiAnswerStream s;
        QString shown;
        for (char c : stream)
            shown += s.feed(QByteArray(1, c));
        if (closed)
            shown += s.finish();
        QCOMPARE(int(s.state()), state);
        QCOMPARE(shown, text);
    }

    // An answer larger than the limit is refused, even as many small valid lines.
    void oversizeAnswerRefused()
    {
        AiAnswerStream s;
        const QByteArray line = "{\"text\":\"" + QByteArray(1000, 'a') + "\"}\n";
        int fed = 0;
        while (s.state() == AiAnswerStream::Reading && fed <= AiAnswerStream::MaxBytes + line.size()) {
            s.feed(line);
            fed += line.size();
        }
        QCOMPARE(int(s.state()), int(AiAnswerStream::Malformed));
        QVERIFY(fed > AiAnswerStream::MaxBytes);
        QCOMPARE(s.feed("{\"done\":true}\n"), QString());
        QCOMPARE(int(s.state()), int(AiAnswerStream::Malformed));

        AiAnswerStream noBreak;
        noBreak.feed("{\"text\":\"" + QByteArray(AiAnswerStream::MaxBytes, 'b'));
        QCOMPARE(int(noBreak.state()), int(AiAnswerStream::Malformed));
    }
};

QTEST_GUILESS_MAIN(tst_aianswerstream)
#include "tst_aianswerstream.moc"
