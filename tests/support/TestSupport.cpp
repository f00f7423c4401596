#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

TempWorkDir::TempWorkDir() : m_previous(QDir::currentPath())
{
    if (m_dir.isValid())
        QDir::setCurrent(m_dir.path());
}

TempWorkDir::~TempWorkDir()
{
    QDir::setCurrent(m_previous);
}

QString testDataDir()
{
    return QString::fromLocal8Bit(qgetenv("CHEMDESK_TEST_DATA"));
}

QString buildDir()
{
    return QString::fromLocal8Bit(qgetenv("CHEMDESK_BIN_DIR"));
}

QString runProgram(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfText(const QString& file, const QStringList& options)
{
    return runProgram(QStringLiteral("pdftotext"), options + QStringList{file, QStringLiteral("-")});
}

QString withoutBlanks(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}

QMap<QString, QString> iniKeys(const QString& file)
{
    QSettings s(file, QSettings::IniFormat);
    s.setIniCodec("UTF8");
    QMap<QString, QString> out;
    for (const QString& k : s.allKeys())
        out.insert(k, s.value(k).toString());
    return out;
}
