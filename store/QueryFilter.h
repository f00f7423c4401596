#pragma once
#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QStringList>

// Criteria of a result search. An empty string adds no condition, a null time no bound.
// Both time bounds are inclusive: pass the last moment of the end day as `endchkdate`.
struct QueryFilter
{
    QDateTime startchkdate;
    QDateTime endchkdate;
    QString sampleid;         // searched inside the patient information
    QString patientinfoname;  // searched inside the patient information
    QString speciesname;      // department, compared with the department field
    QStringList speciesnames; // further stored forms of the same department (its words), any of which matches
    QString patientinfoid;    // searched inside the patient information
    QString projectname;      // analyte code, searched inside the test results
    QString machineid;        // compared with the machine id
};

Q_DECLARE_METATYPE(QueryFilter)
