#include "PortChoice.h"

#include <QSet>

PortChoice::Refill PortChoice::refill(const QStringList& shown, const QString& current, const QStringList& scanned) const
{
    Refill r;
    r.ports = scanned;
    r.ports.removeDuplicates();
    const QSet<QString> before(shown.cbegin(), shown.cend());
    const QSet<QString> after(r.ports.cbegin(), r.ports.cend());
    r.changed = before != after || shown.size() != before.size();
    if (!r.changed) {
        r.ports = shown;
        r.current = shown.indexOf(current);
        return r;
    }
    if (!m_chosen.isEmpty() && r.ports.contains(m_chosen))
        r.current = r.ports.indexOf(m_chosen);
    else if (!current.isEmpty() && r.ports.contains(current))
        r.current = r.ports.indexOf(current);
    else
        r.current = r.ports.isEmpty() ? -1 : 0;
    return r;
}
