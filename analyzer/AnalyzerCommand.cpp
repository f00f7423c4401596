#include "AnalyzerCommand.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
QByteArray compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
} // namespace

QByteArray AnalyzerCommand::machineId()
{
    return compact(QJsonObject{{QStringLiteral("CMD"), QStringLiteral("MachineID")}});
}

QByteArray AnalyzerCommand::resultSize(const QString& machineId)
{
    return compact(QJsonObject{{QStringLiteral("CMD"), QStringLiteral("ResultSize")},
                               {QStringLiteral("MachineID"), machineId}});
}

QByteArray AnalyzerCommand::resultQuery(const QString& machineId, int from, int to)
{
    return compact(QJsonObject{{QStringLiteral("CMD"), QStringLiteral("ResultQuery")},
                               {QStringLiteral("MachineID"), machineId},
                               {QStringLiteral("StartID"), from},
                               {QStringLiteral("EndID"), to}});
}

QByteArray AnalyzerCommand::nextRecord()
{
    return QByteArrayLiteral("**AA##");
}
