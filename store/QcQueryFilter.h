#pragma once
#include "PanelQcResult.h"

#include <QDateTime>
#include <QString>

// QC search criteria: id, QcProduct, QcLot, division and machineid of the base act as criteria
// (-1 or empty: any). The start bound is inclusive, the end bound exclusive.
struct QcQueryFilter : public PanelQcResult
{
    QString m_projectName;    // analyte code searched inside the result JSON; empty: any
    QDateTime m_startChkDatetime = QDateTime::currentDateTime();
    bool m_useStartChkDatetime = false;
    QDateTime m_endChkDatetime = QDateTime::currentDateTime();
    bool m_useEndChkDatetime = false;
};

Q_DECLARE_METATYPE(QcQueryFilter)
