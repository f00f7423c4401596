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

DatabaseFileCopy::Result DatabaseFileCopy::restore(const QString& source, const QString& target, QString* kept)
{
    if (kept)
        kept->clear();
    if (sameFile(source, target))
        return SameFile;
    if (!QFileInfo(source).isReadable())
        return SourceUnreadable;
    if (!isResultDatabase(source))
        return NotResultDatabase;

    // The copy is made complete under a name of its own first; the replaced database is then
    // renamed away (never copied, so a full disk cannot lose it) and the copy renamed into place.
    const QString incoming = target + QStringLiteral(".restoring");
    const Result copied = copyVerified(source, incoming);
    if (copied != Done) {
        QFile::remove(incoming);
        return copied;
    }
    QString keptPath;
    const Result swapped = swapIn(incoming, target, QDateTime::currentDateTime(), &keptPath);
    if (swapped != Done)
        QFile::remove(incoming);
    else if (kept)
        *kept = keptPath;
    return swapped;
}

DatabaseFileCopy::Result DatabaseFileCopy::swapIn(const QString& incoming, const QString& target,
                                                  const QDateTime& when, QString* kept)
{
    kept->clear();
    QString keptPath;
    if (QFileInfo::exists(target)) {
        keptPath = keptName(target, when);
        if (!QFile::rename(target, keptPath)) {
            qDebug() << "DatabaseFileCopy: cannot keep" << target << "as" << keptPath;
            return TargetUnwritable;
        }
    }
    if (!QFile::rename(incoming, target)) {
        qDebug() << "DatabaseFileCopy: cannot put the copy in place of" << target;
        if (!keptPath.isEmpty() && !QFile::rename(keptPath, target))
            qDebug() << "DatabaseFileCopy: the replaced database stays as" << keptPath;
        return TargetUnwritable;
    }
    *kept = keptPath;
    return Done;
}

QString DatabaseFileCopy::keptName(const QString& target, const QDateTime& when)
{
    const QString base = target + QStringLiteral(".before-restore-") + when.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
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
