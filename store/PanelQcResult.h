#pragma once
#include <QDateTime>
#include <QMetaType>
#include <QString>

// One QC result: a row of PanelQcResult.
struct PanelQcResult
{
    int id = -1;
    int QcProduct = -1;       // QC material, 0-based
    int panelid = -1;
    int panelindex = -1;
    QString panellot;         // decimal text
    QString machineid;
    QString inspectorname;
    QString reviewername;
    QString QcLot;
    QString division;
    QDateTime chkdatetime;
    QString result;           // JSON array of analyte objects
    QString Errcode;
    QString patientinfo;
};

Q_DECLARE_METATYPE(PanelQcResult)

// Registers PanelQcResult as the meta-type "PanelQcResult" (safe to call more than once).
int registerPanelQcResultType();
