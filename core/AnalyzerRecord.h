#pragma once
#include "PanelChkRecord.h"
#include "PanelQcResult.h"

#include <QJsonObject>
#include <QString>

class Indexdb;

// One result record of the analyzer (the "Result" object of a "ReResultQuery" reply) as the
// store keeps it: a QC run as a row of PanelQcResult, any other run as a row of PanelChkResult.
// Untrusted input: a missing or mistyped member reads as 0 or as an empty text.
class AnalyzerRecord
{
public:
    // The record is stored under machineId, the id of the connected analyzer under which the
    // results are counted, whatever id the record itself carries.
    static AnalyzerRecord fromAnalyzer(const QJsonObject& data, const QString& machineId);
    // The record's "rowid" (a number or decimal text); -1 when it has none.
    static int rowidOf(const QJsonObject& data);

    int rowid() const { return m_rowid; }
    bool isQc() const { return m_isQc; }
    const PanelChkRecord& sample() const { return m_sample; }
    const PanelQcResult& qc() const { return m_qc; }

    // Inserts it into its table; false when the store refused it.
    bool store(Indexdb& db) const;

private:
    int m_rowid = -1;
    bool m_isQc = false;
    PanelChkRecord m_sample;
    PanelQcResult m_qc;
};
