#pragma once
#include <QByteArray>
#include <QJsonObject>
#include <QString>

// One message from the analyzer, parsed by its "CMD" member. Untrusted input: anything that
// does not have the expected shape comes back as Invalid with a reason for the debug log.
class AnalyzerReply
{
public:
    enum Kind { Invalid, MachineId, ResultSize, ResultQuery, Unknown };

    static AnalyzerReply parse(const QByteArray& payload);

    Kind kind = Invalid;
    QString cmd;        // the "CMD" text as received
    QString machineId;  // ReMachineID
    int resultSize = 0; // ReResultSize
    QJsonObject record; // ReResultQuery: the "Result" object, patientinfo/testresults as text
    QString error;      // why it is Invalid
};
