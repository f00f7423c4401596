#pragma once
#include <QString>
#include <QStringList>

// The port list offered for the connection. A scan changes the list only when the set of
// ports changed, so that an open list keeps its entries and highlight; after a change the port
// the user chose last is selected again as soon as it is listed (a simulator that restarts, an
// adapter plugged in again), else the port shown before when still listed, else the first.
class PortChoice
{
public:
    struct Refill
    {
        bool changed = false;
        QStringList ports; // the new list, in the scan's order
        int current = -1;  // the entry to select; -1 for an empty list
    };

    // What to do with a list showing `shown` (with `current` selected) after a scan.
    Refill refill(const QStringList& shown, const QString& current, const QStringList& scanned) const;
    // The user picked this port (or connected to it).
    void choose(const QString& port) { m_chosen = port; }
    QString chosen() const { return m_chosen; }

private:
    QString m_chosen;
};
