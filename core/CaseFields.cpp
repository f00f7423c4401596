#include "CaseFields.h"

#include <QJsonDocument>
#include <QJsonObject>

bool CaseFields::patientInfoReadable(const QString& text)
{
    if (text.trimmed().isEmpty())
        return true;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    return error.error == QJsonParseError::NoError && doc.isObject();
}

bool CaseFields::applyChanges(const CaseFields& shown, const CaseFields& edited, bool withCheckTime,
                              PanelChkRecord* record)
{
    PanelChkRecord changed = *record;
    PanelChkRecord* r = &changed;
    QJsonObject patient = QJsonDocument::fromJson(r->patientinfo.toUtf8()).object();
    bool patientChanged = false;
    auto text = [&](QString CaseFields::*field, QString* target, const char* member) {
        if (shown.*field == edited.*field)
            return;
        *target = edited.*field;
        if (member) {
            patient.insert(QLatin1String(member), edited.*field);
            patientChanged = true;
        }
    };
    text(&CaseFields::name, &r->name, "name");
    text(&CaseFields::patientId, &r->number, "number");
    text(&CaseFields::sampleId, &r->sampleid, "id");
    text(&CaseFields::birthday, &r->birthday, "birthday");
    // The department is stored alike in the column and in the patient information, as the
    // analyzer sends it; sex and sample type follow the members the analyzer sent.
    text(&CaseFields::department, &r->speciesname, "division");
    if (shown.department != edited.department)
        r->division = edited.department;
    text(&CaseFields::sex, &r->animalsexname, patient.contains(QLatin1String("sex")) ? "sex" : nullptr);
    text(&CaseFields::sampleType, &r->sampletypename,
         patient.contains(QLatin1String("swatchType")) ? "swatchType" : nullptr);
    text(&CaseFields::inspector, &r->inspectorname, nullptr);
    text(&CaseFields::reviewer, &r->reviewername, nullptr);
    text(&CaseFields::sender, &r->sendinspectorname, nullptr);
    text(&CaseFields::clinical, &r->clinicalinformation, nullptr);
    text(&CaseFields::remark, &r->remark, nullptr);

    if (shown.ageYears.trimmed() != edited.ageYears.trimmed() || shown.ageMonths.trimmed() != edited.ageMonths.trimmed()) {
        r->age = ageDays(edited.ageYears, edited.ageMonths);
        patient.insert(QStringLiteral("age"), r->age);
        patientChanged = true;
    }
    if (shown.sampleTime != edited.sampleTime)
        r->sampletime = edited.sampleTime;
    if (shown.sendTime != edited.sendTime)
        r->sendinspectordate = edited.sendTime;
    if (withCheckTime && shown.checkTime != edited.checkTime)
        r->chkdatetime = edited.checkTime;
    if (patientChanged) {
        if (!patientInfoReadable(r->patientinfo))
            return false;
        r->patientinfo = QString::fromUtf8(QJsonDocument(patient).toJson(QJsonDocument::Compact));
    }
    *record = changed;
    return true;
}

QString CaseFields::ageDays(const QString& years, const QString& months)
{
    const QString y = years.trimmed();
    const QString m = months.trimmed();
    if (y.isEmpty() && m.isEmpty())
        return QString();
    return QString::number(y.toInt() * 365 + m.toInt() * 30);
}

QDate CaseFields::parseBirthday(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* format : {"yyyy-MM-dd", "yyyy/MM/dd", "yyyy.MM.dd", "yyyyMMdd"}) {
        const QDate d = QDate::fromString(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    return QDate();
}

CaseFields::BirthdayCheck CaseFields::checkBirthday(const QString& text, const QDateTime& checkTime)
{
    if (text.trimmed().isEmpty())
        return BirthdayOk;
    const QDate born = parseBirthday(text);
    if (!born.isValid())
        return BirthdayUnreadable;
    if (checkTime.isValid() && born > checkTime.date())
        return BirthdayAfterCheck;
    return BirthdayOk;
}
