#include "CaseForm.h"
#include "ui_Index.h"

#include "PanelChkRecord.h"
#include "ResultDetail.h"
#include "Translateword.h"

namespace {
const int kValueRole = Qt::UserRole;

QString shownWord(const QString& value, const QMap<int, int>& codes)
{
    return value.isEmpty() ? QString() : Translateword::getInstance()->trans(value, codes);
}

// The analyzer's code whose word (current language) is `text`; "" when none.
QString codeOfWord(const QString& text, const QMap<int, int>& codes)
{
    for (auto it = codes.constBegin(); it != codes.constEnd(); ++it) {
        const QString code = QString::number(it.key());
        if (Translateword::getInstance()->trans(code, codes) == text)
            return code;
    }
    return QString();
}

// What a coded field stores for the text it shows: the value of the list entry showing that
// text, else the code whose word it is, else the text itself.
QString codedValue(const QComboBox* combo, const QMap<int, int>& codes)
{
    const QString text = combo->currentText();
    if (text.isEmpty())
        return QString();
    const int index = combo->findText(text, Qt::MatchExactly);
    if (index >= 0) {
        const QString value = combo->itemData(index, kValueRole).toString();
        if (!value.isEmpty())
            return value;
    }
    const QString code = codeOfWord(text, codes);
    return code.isEmpty() ? text : code;
}

void setComboText(QComboBox* combo, const QString& text)
{
    if (combo->isEditable())
        combo->setEditText(text);
    else
        combo->setCurrentIndex(qMax(0, combo->findText(text, Qt::MatchExactly)));
}

// Empty first entry, then the entries; the field keeps its text.
void refillPlain(QComboBox* combo, const QStringList& names)
{
    const QString text = combo->currentText();
    combo->clear();
    combo->addItem(QString());
    combo->addItems(names);
    setComboText(combo, text);
}

// Entries as (stored value, shown word); the field keeps its stored value, in today's words.
void refillCoded(QComboBox* combo, const QVector<QPair<QString, QString>>& entries, const QMap<int, int>& codes)
{
    const QString value = codedValue(combo, codes);
    combo->clear();
    combo->addItem(QString());
    for (const auto& e : entries)
        combo->addItem(e.second, e.first);
    setComboText(combo, shownWord(value, codes));
}

QVector<QPair<QString, QString>> codeEntries(const QMap<int, int>& codes)
{
    QVector<QPair<QString, QString>> entries;
    for (auto it = codes.constBegin(); it != codes.constEnd(); ++it) {
        const QString code = QString::number(it.key());
        entries.append({code, shownWord(code, codes)});
    }
    return entries;
}

QDateTime shownTime(const QDateTime& time)
{
    if (time.isNull())
        return QDateTime(QDate(2020, 1, 1), QTime(0, 0));
    return time;
}
} // namespace

CaseForm::CaseForm(Ui::Index* form) : ui(form) {}

void CaseForm::show(const PanelChkRecord& record)
{
    ui->chkdatetime->setDateTime(record.chkdatetime);
    setComboText(ui->speciesname, shownWord(record.speciesname, divisionIndexMap));
    ui->patientinfoid->setText(record.number);
    ui->patientinfonumber->setText(record.sampleid);
    ui->patientinfoname->setText(record.name);
    setComboText(ui->animalsexname, shownWord(record.animalsexname, sexIndexMap));
    const int months = ResultDetail::ageMonths(record.age);
    ui->patientinfoage->setText(QString::number(ResultDetail::ageYears(record.age)));
    ui->patientinfoage1->setText(months == 0 ? QString() : QString::number(months));
    ui->lineEdit_birthday->setText(record.birthday);
    setComboText(ui->sampletypename, shownWord(record.sampletypename, sampleTypeIndexMap));
    setComboText(ui->sendinspectorname, record.sendinspectorname);
    ui->sendinspectordate->setDateTime(shownTime(record.sendinspectordate));
    ui->sampletime->setDateTime(shownTime(record.sampletime));
    setComboText(ui->inspectorname, record.inspectorname);
    setComboText(ui->reviewername, record.reviewername);
    setComboText(ui->clinicalinformation, record.clinicalinformation);
    setComboText(ui->remark, record.remark);
    m_shown = edited();
    m_shownId = QString::number(record.id);
}

void CaseForm::clear()
{
    for (QLineEdit* edit : {ui->patientinfoname, ui->patientinfoid, ui->patientinfonumber, ui->patientinfoage,
                            ui->patientinfoage1, ui->lineEdit_birthday})
        edit->clear();
    for (QComboBox* combo : {ui->speciesname, ui->animalsexname, ui->sampletypename, ui->sendinspectorname,
                             ui->inspectorname, ui->reviewername, ui->clinicalinformation, ui->remark})
        setComboText(combo, QString());
    // The times a form for no result shows: today, midnight.
    const QDateTime none(QDate::currentDate(), QTime(0, 0));
    for (QDateTimeEdit* edit : {ui->chkdatetime, ui->sampletime, ui->sendinspectordate})
        edit->setDateTime(none);
    m_shown = edited();
    m_shownId.clear();
}

CaseFields CaseForm::edited() const
{
    CaseFields f;
    f.name = ui->patientinfoname->text();
    f.patientId = ui->patientinfoid->text();
    f.sampleId = ui->patientinfonumber->text();
    f.department = codedValue(ui->speciesname, divisionIndexMap);
    f.sex = codedValue(ui->animalsexname, sexIndexMap);
    f.sampleType = codedValue(ui->sampletypename, sampleTypeIndexMap);
    f.inspector = ui->inspectorname->currentText();
    f.reviewer = ui->reviewername->currentText();
    f.sender = ui->sendinspectorname->currentText();
    f.clinical = ui->clinicalinformation->currentText();
    f.remark = ui->remark->currentText();
    f.birthday = ui->lineEdit_birthday->text();
    f.ageYears = ui->patientinfoage->text();
    f.ageMonths = ui->patientinfoage1->text();
    f.sampleTime = ui->sampletime->dateTime();
    f.sendTime = ui->sendinspectordate->dateTime();
    f.checkTime = ui->chkdatetime->dateTime();
    return f;
}

void CaseForm::setLists(const QStringList& clinical, const QStringList& remarks, const QStringList& inspectors,
                        const QStringList& reviewers, const QStringList& senders,
                        const QVector<DictEntry>& departments)
{
    refillPlain(ui->clinicalinformation, clinical);
    refillPlain(ui->remark, remarks);
    refillPlain(ui->inspectorname, inspectors);
    refillPlain(ui->reviewername, reviewers);
    refillPlain(ui->sendinspectorname, senders);

    // A department entry that is the word of one of the analyzer's codes is stored as that code,
    // as the analyzer stores it; any other entry as its name.
    QVector<QPair<QString, QString>> entries;
    for (const DictEntry& e : departments) {
        const QString word = shownWord(e.name, divisionIndexMap);
        const QString code = codeOfWord(word, divisionIndexMap);
        entries.append({code.isEmpty() ? e.name : code, word});
    }
    refillCoded(ui->speciesname, entries, divisionIndexMap);
    refillCoded(ui->sampletypename, codeEntries(sampleTypeIndexMap), sampleTypeIndexMap);
    refillCoded(ui->animalsexname, codeEntries(sexIndexMap), sexIndexMap);
}
