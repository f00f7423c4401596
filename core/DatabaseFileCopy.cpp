#include "DatabaseFileCopy.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QByteArray fileHash(const QString& fileName, bool* ok)
{
    QFile f(fileName);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    *ok = f.open(QIODevice::ReadOnly) && hash.addData(&f);
    return hash.result();
}

bool sameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

DatabaseFileCopy::Result DatabaseFileCopy::copyVerified(const QString& source, const QString& target)
{
    if (sameFile(source, target))
        return SameFile;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug() << "DatabaseFileCopy: cannot read" << source << in.errorString();
        return SourceUnreadable;
    }
    QCryptographicHash sourceHash(QCryptographicHash::Sha256);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        qDebug() << "DatabaseFileCopy: cannot write" << target << out.errorString();
        return TargetUnwritable;
    }
    QByteArray block;
    while (!(block = in.read(1 << 20)).isEmpty()) {
        sourceHash.addData(block);
        if (out.write(block) != block.size()) {
            qDebug() << "DatabaseFileCopy: write failed" << target << out.errorString();
            out.cancelWriting();
            return TargetUnwritable;
        }
    }
    if (in.error() != QFile::NoError) {
        qDebug() << "DatabaseFileCopy: read failed" << source << in.errorString();
        out.cancelWriting();
        return SourceUnreadable;
    }
    if (!out.commit()) {
        qDebug() << "DatabaseFileCopy: cannot replace" << target << out.errorString();
        return TargetUnwritable;
    }
    bool ok = false;
    const QByteArray written = fileHash(target, &ok);
    if (!ok || written != sourceHash.result()) {
        qDebug() << "DatabaseFileCopy: copy differs from its source" << target;
        return CopyDiffers;
    }
    return Done;
}

DatabaseFileCopy::Result DatabaseFileCopy::backup(const QString& source, const QString& target)
{
    return copyVerified(source, target);
}

DatabaseFileCopy::Result DatabaseFileCopy::restore(const QString& source, const QString& target)
{
    if (sameFile(source, target))
        return SameFile;
    if (!QFileInfo(source).isReadable())
        return SourceUnreadable;
    if (!isResultDatabase(source))
        return NotResultDatabase;
    return copyVerified(source, target);
}

bool DatabaseFileCopy::isResultDatabase(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile() || !info.isReadable() || info.size() == 0)
        return false;
    const QString name = QStringLiteral("restorecheck_") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA quick_check")) && q.next()
                && q.value(0).toString() == QLatin1String("ok")) {
                q.finish();
                ok = q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                           "AND name IN ('PanelChkResult', 'PanelQcResult')"))
                     && q.next() && q.value(0).toInt() == 2;
            }
            if (!ok)
                qDebug() << "DatabaseFileCopy::isResultDatabase" << fileName << "refused:" << q.lastError().text();
            q.finish();
            db.close();
        } else {
            qDebug() << "DatabaseFileCopy::isResultDatabase open" << fileName << db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
