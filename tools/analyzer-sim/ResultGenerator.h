#pragma once
#include <QJsonObject>
#include <QString>

// Makes realistic analyzer results: sample runs on three panels and, every seventh result, a QC
// run. The same seed, index and machine id always give the same result.
class ResultGenerator
{
public:
    // index counts generated results from 1; rowid is the number the analyzer gives it.
    static QJsonObject make(quint32 seed, int index, int rowid, const QString& machineId);
    static bool isQcIndex(int index) { return index % 7 == 0; }
};
