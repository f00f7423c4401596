#include "FaultPlan.h"

#include <QRegularExpression>

bool FaultPlan::add(Kind kind, const QString& text, QString* error)
{
    Rule r;
    r.kind = kind;
    QString sel = text.trimmed();
    if (kind == Delay) {
        const int colon = sel.indexOf(QLatin1Char(':'));
        const QString ms = colon < 0 ? sel : sel.left(colon);
        bool ok = false;
        r.delayMs = ms.toInt(&ok);
        if (!ok || r.delayMs < 0) {
            if (error)
                *error = QStringLiteral("bad delay '%1' (want MS or MS:SELECTOR)").arg(text);
            return false;
        }
        sel = colon < 0 ? QStringLiteral("all") : sel.mid(colon + 1);
    }
    static const QRegularExpression re(QStringLiteral("^(?:(all)|rowid=(\\d+)|(Re[A-Za-z]+)?(?:@(\\d+))?)$"));
    const QRegularExpressionMatch m = re.match(sel);
    if (sel.isEmpty() || !m.hasMatch()) {
        if (error)
            *error = QStringLiteral("bad selector '%1'").arg(sel);
        return false;
    }
    if (!m.captured(2).isEmpty()) {
        r.rowid = m.captured(2).toInt();
        r.once = true;
    } else if (m.captured(1).isEmpty()) {
        r.reply = m.captured(3);
        if (!m.captured(4).isEmpty()) {
            r.nth = m.captured(4).toInt();
            r.once = true;
        }
        if (r.reply.isEmpty() && r.nth <= 0) {
            if (error)
                *error = QStringLiteral("bad selector '%1'").arg(sel);
            return false;
        }
    }
    m_rules.append(r);
    return true;
}

QVector<FaultPlan::Rule> FaultPlan::take(const QString& reply, int nthOfKind, int nthOverall, int rowid)
{
    QVector<Rule> hits;
    for (Rule& r : m_rules) {
        if (r.used)
            continue;
        bool hit;
        if (r.rowid > 0)
            hit = rowid == r.rowid;
        else if (!r.reply.isEmpty())
            hit = r.reply == reply && (r.nth == 0 || r.nth == nthOfKind);
        else if (r.nth > 0)
            hit = r.nth == nthOverall;
        else
            hit = true;
        if (!hit)
            continue;
        if (r.once)
            r.used = true;
        hits.append(r);
    }
    return hits;
}

QString FaultPlan::kindName(Kind kind)
{
    switch (kind) {
    case Drop: return QStringLiteral("drop");
    case Corrupt: return QStringLiteral("corrupt");
    case Split: return QStringLiteral("split");
    case Noise: return QStringLiteral("noise");
    case Delay: return QStringLiteral("delay");
    case Hangup: return QStringLiteral("hangup");
    }
    return QString();
}
