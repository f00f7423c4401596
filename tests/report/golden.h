#pragma once
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QtTest>

// Expected HTML kept in tests/data/report, compared to the character.
inline QString golden(const QString& name)
{
    QFile f(testDataDir() + QStringLiteral("/report/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing golden file %1>").arg(name);
    QString text = QString::fromUtf8(f.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

// The HTML with its print time (taken at each build) replaced, so that builds compare.
inline QString withStablePrintTime(QString html)
{
    static const QRegularExpression time(QStringLiteral("打印时间:\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    return html.replace(time, QStringLiteral("打印时间:<now>"));
}

// Compares the HTML (print time made stable) with tests/data/<folder>/golden/<name>.html, to the
// character; with CHEMDESK_UPDATE_GOLDEN=1 the file is written instead.
inline void compareGoldenHtml(const QString& folder, const QString& name, const QString& html)
{
    const QString path = testDataDir() + "/" + folder + "/golden/" + name + ".html";
    const QString text = withStablePrintTime(html) + "\n";
    if (qEnvironmentVariableIntValue("CHEMDESK_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
        return;
    }
    QFile in(path);
    QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable("missing golden file " + path));
    const QString golden = QString::fromUtf8(in.readAll());
    if (golden != text) {
        int i = 0;
        while (i < golden.size() && i < text.size() && golden.at(i) == text.at(i))
            ++i;
        QFAIL(qPrintable(QString("%1 differs at %2:\n golden: %3\n actual: %4")
                             .arg(name).arg(i).arg(golden.mid(qMax(0, i - 40), 120))
                             .arg(text.mid(qMax(0, i - 40), 120))));
    }
}

// A logo of this size as "print_logo.png" in the working folder.
inline void writeLogo(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    QVERIFY(img.save("print_logo.png"));
}
