#pragma once
#include "PanelChkRecord.h"
#include "PanelQcResult.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

// What the network import writes to the main database (default connection), inside the
// caller's transaction: results and QC runs through statements prepared once, and each
// device's checkpoint, the highest cloud id whose row the database holds. The checkpoint lives
// in the database it describes, so a restored backup brings its own.
class NetImportStore
{
public:
    // False (logged) when a statement cannot be prepared.
    bool prepare();
    // The check time is bound as given: stored text, or null.
    bool insertSample(const PanelChkRecord& r, const QVariant& checkTime);
    bool insertQc(const PanelQcResult& r, const QVariant& checkTime);

    // The device's checkpoint, -1 when none is kept (nor the table). False when unreadable.
    static bool readCheckpoint(const QString& device, int* maxId);
    static bool writeCheckpoint(const QString& device, int maxId);

private:
    QSqlQuery m_sample;
    QSqlQuery m_qc;
};
