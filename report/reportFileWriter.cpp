#include "reportFileWriter.h"

#include "printTool.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

bool reportFileWriter::writePdf(printTool& tool, const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    // The printer writes straight into its file: print into a scratch file first.
    QTemporaryDir tmp;
    if (!tmp.isValid()) {
        qDebug() << "reportFileWriter::writePdf no temporary folder" << tmp.errorString();
        return false;
    }
    const QString tmpPdf = tmp.filePath(QStringLiteral("report.pdf"));
    tool.exportPdf(tmpPdf);
    QFile built(tmpPdf);
    if (!built.open(QIODevice::ReadOnly) || built.size() == 0) {
        qDebug() << "reportFileWriter::writePdf nothing written" << built.errorString();
        return false;
    }
    const QByteArray bytes = built.readAll();
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        qDebug() << "reportFileWriter::writePdf" << fileName << "error:" << out.errorString();
        out.cancelWriting();
        return false;
    }
    return true;
}

QString reportFileWriter::withSuffix(const QString& fileName, const QString& suffix)
{
    if (fileName.isEmpty() || QFileInfo(fileName).suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return fileName;
    return fileName + QLatin1Char('.') + suffix;
}
