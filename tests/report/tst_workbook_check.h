#pragma once
// Runs the openpyxl workbook checker (tools/xlsx-check) from a test.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

struct XlsxCheckResult
{
    int exitCode = -1;
    QString output;
};

inline XlsxCheckResult runXlsxCheck(const QStringList& args, const QByteArray& input = QByteArray())
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(XLSX_CHECK_SCRIPT)} + args);
    XlsxCheckResult r;
    if (!p.waitForStarted(10000)) {
        r.output = QStringLiteral("cannot start python3");
        return r;
    }
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.output = QStringLiteral("checker timed out");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.output = QString::fromUtf8(p.readAll());
    return r;
}

// Checks a workbook against an expectation; on a mismatch the checker's report is in output.
inline XlsxCheckResult checkWorkbook(const QString& file, const QJsonObject& expect)
{
    return runXlsxCheck({QStringLiteral("check"), file, QStringLiteral("-")},
                        QJsonDocument(expect).toJson(QJsonDocument::Compact));
}

inline XlsxCheckResult checkWorkbookFile(const QString& file, const QString& expectFile)
{
    return runXlsxCheck({QStringLiteral("check"), file, expectFile});
}

// The checker's JSON dump of a workbook.
inline QJsonObject dumpWorkbook(const QString& file)
{
    const XlsxCheckResult r = runXlsxCheck({QStringLiteral("dump"), file});
    if (r.exitCode != 0)
        return QJsonObject();
    return QJsonDocument::fromJson(r.output.toUtf8()).object();
}

#define CHECK_WORKBOOK(file, expect)                                                             \
    do {                                                                                         \
        const XlsxCheckResult _r = checkWorkbook((file), (expect));                              \
        if (_r.exitCode != 0)                                                                    \
            QFAIL(qPrintable(_r.output));                                                        \
    } while (0)
