#pragma once
#include "PanelChkRecord.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// The case fields of one result as the case form shows and edits them. The coded fields
// (department, sex, sample type) hold the value as stored: the analyzer's numeric code, or a
// typed name that has no code.
class CaseFields
{
public:
    enum BirthdayCheck { BirthdayOk, BirthdayUnreadable, BirthdayAfterCheck };

    QString name;
    QString patientId;   // "number" of the patient information
    QString sampleId;    // "id" of the patient information
    QString department;
    QString sex;
    QString sampleType;
    QString inspector;
    QString reviewer;
    QString sender;
    QString clinical;
    QString remark;
    QString birthday;
    QString ageYears;    // the two age fields as typed
    QString ageMonths;
    QDateTime sampleTime;
    QDateTime sendTime;
    QDateTime checkTime;

    // Writes into `record` each field of `edited` that differs from `shown` (what the form showed
    // before the user edited it); every other field keeps the record's own stored value, so an
    // untouched field is never overwritten, whichever result the form showed. The check time is
    // written only when `withCheckTime`. The patient information follows the written fields.
    // Returns false, leaving `record` as it was, when a written field belongs in the patient
    // information and the stored text is not a JSON object (it would be lost).
    static bool applyChanges(const CaseFields& shown, const CaseFields& edited, bool withCheckTime,
                             PanelChkRecord* record);
    // Whether a patient-information text can take fields: empty, or a JSON object.
    static bool patientInfoReadable(const QString& text);

    // Days of an age typed as years and months ("" when both are empty).
    static QString ageDays(const QString& years, const QString& months);
    // A birthday as typed: "yyyy-MM-dd", "yyyy/MM/dd", "yyyy.MM.dd" or "yyyyMMdd"; null when it
    // is none of them or not a date of the calendar.
    static QDate parseBirthday(const QString& text);
    // An empty birthday is fine; otherwise it has to be a real date no later than the check day.
    static BirthdayCheck checkBirthday(const QString& text, const QDateTime& checkTime);
};
