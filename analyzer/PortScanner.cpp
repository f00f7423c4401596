#include "PortScanner.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <fcntl.h>
#include <unistd.h>

bool PortScanner::canOpen(const QString& nameOrPath)
{
    const QString path = nameOrPath.startsWith(QLatin1Char('/')) ? nameOrPath
                                                                  : QStringLiteral("/dev/") + nameOrPath;
    // A plain open tells whether the device is there, without touching its line settings or
    // the lock that a QSerialPort holding it keeps.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

QStringList PortScanner::openablePorts()
{
    // The simulator's lines first: on a machine that has them they are what one connects to.
    QStringList names;
    QDir dir(QString::fromLatin1(SimLinkDir));
    const QFileInfoList links = dir.entryInfoList({QString::fromLatin1(SimLinkPrefix) + QLatin1Char('*')},
                                                  QDir::System | QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& fi : links) {
        if (!fi.isSymLink() || !QFileInfo::exists(fi.symLinkTarget()))
            continue;
        if (canOpen(fi.absoluteFilePath()))
            names << fi.absoluteFilePath();
    }
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos) {
        if (canOpen(info.systemLocation()))
            names << info.portName();
    }
    return names;
}
