#pragma once
#include "TestSupport.h"

#include <QFile>
#include <QString>

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
