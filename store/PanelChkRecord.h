#pragma once
#include <QDateTime>
#include <QMetaType>
#include <QString>

// One sample result: a row of PanelChkResult plus the patient fields read from its
// patient-information JSON.
struct PanelChkRecord
{
    int id = 0;
    QDateTime chkdatetime;
    QString checkTime;        // the check time as stored text, when fetched so (not stored itself)
    QString machineid;
    int panelid = 0;
    int panelindex = 0;
    int panellot = 0;
    QString patientinfo;      // patient-information JSON text, as stored
    QString age;              // whole days, from the patient information
    QString name;             // from the patient information
    QString division;         // from the patient information
    QString number;           // from the patient information
    QString sampleid;         // the patient information's "id" (shown as the sample number)
    QString testresults;      // JSON array of analyte objects {"N", "I", "addType"}
    QString mastername;
    QString speciesname;      // department (analyzer division code or a typed name)
    QString varietyname;      // not stored
    QString animalsexname;
    QString sampletypename;
    QString sendinspectorname;
    QDateTime sendinspectordate;
    QDateTime sampletime;
    QString inspectorname;
    QString reviewername;
    QString clinicalinformation;
    QString remark;
    int state = 1;            // 1 live, 0 in the report recycle list
    QString Errcode;
    int status = 1;           // 1 sample, 0 not listed
    QString birthday;         // from the patient information
    int testType = 0;         // 1 for a QC run
    QString QcLot;
    QString reserve;          // not stored
    QString aiResult;
};

Q_DECLARE_TYPEINFO(PanelChkRecord, Q_MOVABLE_TYPE);
Q_DECLARE_METATYPE(PanelChkRecord)
