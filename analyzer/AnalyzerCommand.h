#pragma once
#include <QByteArray>
#include <QString>

// The PC's messages to the analyzer, as payloads for PcComData::sendData. Every command is
// built as a JSON object, so a machine id is sent back exactly as the analyzer reported it,
// whatever characters it holds.
class AnalyzerCommand
{
public:
    // {"CMD":"MachineID"}
    static QByteArray machineId();
    // {"CMD":"ResultSize","MachineID":<id>}
    static QByteArray resultSize(const QString& machineId);
    // {"CMD":"ResultQuery","EndID":<to>,"MachineID":<id>,"StartID":<from>}
    static QByteArray resultQuery(const QString& machineId, int from, int to);
    // The bare payload that asks for the next record of a query.
    static QByteArray nextRecord();
};
