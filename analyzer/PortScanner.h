#pragma once
#include <QStringList>

// Lists the serial ports that can be opened: the analyzer simulator's pseudo-terminals, which
// appear as symbolic links /tmp/ttyCDSIM<k>, then the system's serial ports.
class PortScanner
{
public:
    static constexpr const char* SimLinkDir = "/tmp";
    static constexpr const char* SimLinkPrefix = "ttyCDSIM";

    static QStringList openablePorts();
    // Whether the device at this path (or /dev/<name>) opens read-write.
    static bool canOpen(const QString& nameOrPath);
};
