#include <QtTest>

#include "AnalyzerReply.h"
#include "ComPortSettings.h"
#include "FrameCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSerialPort>

namespace {
QByteArray hex(const char* h) { return QByteArray::fromHex(h); }
// JSON written with single quotes; \\' stands for an escaped double quote.
QByteArray q(const char* text)
{
    return QByteArray(text).replace("\\'", "\x01").replace('\'', '"').replace('\x01', "\\\"");
}
const QByteArray kMachineIdFrame = hex("AD7CEFFD000000137B22434D44223A224D616368696E654944227DEE");
const QByteArray kAckFrame = hex("AD7CEFFD000000062A2A41412323C5");
} // namespace

class tst_framecodec : public QObject
{
    Q_OBJECT
private slots:
    void encodesExactBytes_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("MachineID") << QByteArray(q("{'CMD':'MachineID'}")) << kMachineIdFrame;
        QTest::newRow("**AA##") << QByteArray("**AA##") << kAckFrame;
        QTest::newRow("empty") << QByteArray() << hex("AD7CEFFD00000000") + QByteArray(1, char(0xAD ^ 0x7C ^ 0xEF ^ 0xFD));
    }
    void encodesExactBytes()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, frame);
        QCOMPARE(FrameCodec::encode(payload).toHex(' '), frame.toHex(' '));
        FrameCodec d;
        QCOMPARE(d.decode(frame), QList<QByteArray>{payload});
        QCOMPARE(d.pendingBytes(), 0);
    }

    void lengthIsBigEndian()
    {
        const QByteArray payload(0x010203, 'x');
        const QByteArray f = FrameCodec::encode(payload);
        QCOMPARE(f.mid(4, 4), hex("00010203"));
        QCOMPARE(f.size(), 8 + 0x010203 + 1);
        FrameCodec d;
        QCOMPARE(d.decode(f).value(0).size(), payload.size());
    }

    // Any split of a stream into reads gives the same payloads.
    void decodesStreams_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("chunk"); // bytes per read; 0 = all at once
        QTest::addColumn<QList<QByteArray>>("payloads");
        QTest::addColumn<int>("badChecks");

        const QByteArray a(q("{'CMD':'ReMachineID','MachineID':'A1'}"));
        const QByteArray b(q("{'CMD':'ReResultSize','ResultSize':5}"));
        const QByteArray fa = FrameCodec::encode(a), fb = FrameCodec::encode(b);
        QByteArray badA = fa;
        badA[badA.size() - 1] = char(badA.at(badA.size() - 1) ^ 1);
        QByteArray badLen = fa; // a longer length than the bytes that follow
        badLen[7] = char(badLen.at(7) + 3);
        const QByteArray oversize = hex("AD7CEFFD7FFFFFFF") + "abc";
        const QByteArray hugeLen = hex("AD7CEFFDFFFFFFFF");

        for (int chunk : {0, 1, 3, 7}) {
            const QByteArray c = QByteArray::number(chunk);
            QTest::newRow("one byte at a time / " + c) << fa << chunk << QList<QByteArray>{a} << 0;
            QTest::newRow("two frames in one read / " + c) << fa + fb << chunk << QList<QByteArray>{a, b} << 0;
            QTest::newRow("garbage before the marker / " + c)
                << QByteArray("\x00\xff\x13junk\xAD\x7C\xEF", 10) + fa << chunk << QList<QByteArray>{a} << 0;
            QTest::newRow("bad check byte, then a good frame / " + c) << badA + fb << chunk << QList<QByteArray>{b} << 1;
            QTest::newRow("length too large for the bytes, then a good frame / " + c)
                << badLen + fb << chunk << QList<QByteArray>{b} << 1;
            QTest::newRow("oversized length, then a good frame / " + c)
                << oversize + fb << chunk << QList<QByteArray>{b} << 0;
            QTest::newRow("length 0xFFFFFFFF, then a good frame / " + c)
                << hugeLen + fa << chunk << QList<QByteArray>{a} << 0;
            QTest::newRow("marker inside a bad frame's payload / " + c)
                << badA.left(12) + fb + QByteArray(30, 'z') + fa << chunk << QList<QByteArray>{b, a} << 1;
        }
    }
    void decodesStreams()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, chunk);
        QFETCH(QList<QByteArray>, payloads);
        QFETCH(int, badChecks);
        FrameCodec d;
        QList<QByteArray> got;
        if (chunk == 0) {
            got = d.decode(stream);
        } else {
            for (int i = 0; i < stream.size(); i += chunk)
                got += d.decode(stream.mid(i, chunk));
        }
        QCOMPARE(got, payloads);
        QCOMPARE(int(d.badCheckFrames()), badChecks);
    }

    void oversizedLengthAllocatesNothing()
    {
        FrameCodec d;
        d.feed(hex("AD7CEFFD00100001")); // 1 MiB + 1
        QByteArray p;
        QVERIFY(!d.takeFrame(&p));
        QCOMPARE(int(d.oversizeHeaders()), 1);
        QVERIFY(d.pendingBytes() < 8); // the header was dropped, nothing is waited for
        // The largest accepted length is waited for.
        FrameCodec e;
        e.feed(hex("AD7CEFFD00100000"));
        QVERIFY(!e.takeFrame(&p));
        QCOMPARE(int(e.oversizeHeaders()), 0);
        QCOMPARE(e.pendingBytes(), 8);
    }

    void garbageDoesNotPileUp()
    {
        FrameCodec d;
        QByteArray noise(100000, 'n');
        noise.append(char(0xAD));
        noise.append(char(0x7C));
        QVERIFY(d.decode(noise).isEmpty());
        QCOMPARE(d.pendingBytes(), 2); // only a possible marker start is kept
        QCOMPARE(int(d.skippedBytes()), 100000);
        QCOMPARE(d.decode(kAckFrame.mid(2)), QList<QByteArray>{"**AA##"});
    }

    void clearForgetsAnIncompleteFrame()
    {
        FrameCodec d;
        QVERIFY(d.decode(kMachineIdFrame.left(15)).isEmpty());
        QCOMPARE(d.pendingBytes(), 15);
        d.clear();
        QCOMPARE(d.pendingBytes(), 0);
        // Without clear() the rest would have completed the old frame; after it, the next whole
        // frame comes through on its own.
        QCOMPARE(d.decode(kAckFrame), QList<QByteArray>{"**AA##"});
    }

    void parsesReplies()
    {
        AnalyzerReply r = AnalyzerReply::parse(q("{'CMD':'ReMachineID','MachineID':'QA-7'}"));
        QCOMPARE(r.kind, AnalyzerReply::MachineId);
        QCOMPARE(r.machineId, QString("QA-7"));
        r = AnalyzerReply::parse(q("{'CMD':'ReMachineID','MachineID':20240001}"));
        QCOMPARE(r.machineId, QString("20240001"));
        r = AnalyzerReply::parse(q("{'CMD':'ReMachineID'}"));
        QCOMPARE(r.kind, AnalyzerReply::Invalid);

        r = AnalyzerReply::parse(q("{'CMD':'ReResultSize','ResultSize':42}"));
        QCOMPARE(r.kind, AnalyzerReply::ResultSize);
        QCOMPARE(r.resultSize, 42);
        r = AnalyzerReply::parse(q("{'CMD':'ReResultSize','ResultSize':' 17 '}"));
        QCOMPARE(r.resultSize, 17);
        for (const QByteArray& bad : {q("{'CMD':'ReResultSize'}"), q("{'CMD':'ReResultSize','ResultSize':-1}"),
                                q("{'CMD':'ReResultSize','ResultSize':2.5}"), q("{'CMD':'ReResultSize','ResultSize':1e12}"),
                                q("{'CMD':'ReResultSize','ResultSize':'x'}")})
            QCOMPARE(AnalyzerReply::parse(bad).kind, AnalyzerReply::Invalid);

        r = AnalyzerReply::parse(q("{'CMD':'ReResultQuery','Result':{'rowid':3,'patientinfo':'{\\'name\\':\\'Bo\\'}','testresults':'[]'}}"));
        QCOMPARE(r.kind, AnalyzerReply::ResultQuery);
        QCOMPARE(r.record.value("rowid").toInt(), 3);
        QCOMPARE(r.record.value("patientinfo").toString(), QString(q("{'name':'Bo'}")));
        // Nested JSON instead of text is handed on as text.
        r = AnalyzerReply::parse(q("{'CMD':'ReResultQuery','Result':{'rowid':4,'patientinfo':{'name':'Bo'},'testresults':[{'N':'TP'}]}}"));
        QCOMPARE(r.record.value("patientinfo").toString(), QString(q("{'name':'Bo'}")));
        QCOMPARE(r.record.value("testresults").toString(), QString(q("[{'N':'TP'}]")));
        QCOMPARE(AnalyzerReply::parse(q("{'CMD':'ReResultQuery','Result':'x'}")).kind, AnalyzerReply::Invalid);

        QCOMPARE(AnalyzerReply::parse(q("{'CMD':'Hello'}")).kind, AnalyzerReply::Unknown);
        QCOMPARE(AnalyzerReply::parse("{\"CMD\":").kind, AnalyzerReply::Invalid);
        QCOMPARE(AnalyzerReply::parse("[1,2]").kind, AnalyzerReply::Invalid);
        QCOMPARE(AnalyzerReply::parse(q("{'MachineID':'x'}")).kind, AnalyzerReply::Invalid);
    }

    void mapsPortSettings()
    {
        ComPortSettings s;
        s.portName = "ttyUSB3";
        s.baudRate = 9600;
        s.dataBits = 7;
        s.parity = 2;
        s.stopBits = 2;
        s.flowControl = 1;
        QSerialPort port;
        QVERIFY(s.applyTo(port));
        QCOMPARE(port.portName(), QString("ttyUSB3"));
        QCOMPARE(port.baudRate(), 9600);
        QCOMPARE(port.dataBits(), QSerialPort::Data7);
        QCOMPARE(port.parity(), QSerialPort::EvenParity);
        QCOMPARE(port.stopBits(), QSerialPort::TwoStop);
        QCOMPARE(port.flowControl(), QSerialPort::HardwareControl);
        s.parity = 1; s.stopBits = 0; s.flowControl = 2; s.dataBits = 8;
        QVERIFY(s.applyTo(port));
        QCOMPARE(port.parity(), QSerialPort::OddParity);
        QCOMPARE(port.stopBits(), QSerialPort::OneStop);
        QCOMPARE(port.flowControl(), QSerialPort::SoftwareControl);

        // The main window's settings: 115200 8N1, no flow control.
        ComPortSettings d;
        d.portName = "x";
        QVERIFY(d.applyTo(port));
        QCOMPARE(port.baudRate(), 115200);
        QCOMPARE(port.parity(), QSerialPort::NoParity);
        QCOMPARE(port.flowControl(), QSerialPort::NoFlowControl);

        QString why;
        d.parity = 9;
        QVERIFY(!d.applyTo(port, &why));
        QVERIFY(why.contains("parity"));
        d.parity = 0; d.dataBits = 9;
        QVERIFY(!d.applyTo(port));
        d.dataBits = 8; d.portName.clear();
        QVERIFY(!d.applyTo(port));
    }
};

QTEST_GUILESS_MAIN(tst_framecodec)
#include "tst_framecodec.moc"
