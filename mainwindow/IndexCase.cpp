// The case form: its lookup lists, the age from a birthday and the save of the case fields.
#include "Index.h"
#include "ui_Index.h"

#include "DictEntry.h"
#include "MyMessageBox.h"
#include "ResultDetail.h"
#include "Translateword.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
void fillCombo(QComboBox* combo, const QStringList& names)
{
    combo->clear();
    combo->addItem(QString());
    combo->addItems(names);
}

template <typename Db>
QStringList dictNames(Db& db, const QMap<int, int>* indexMap = nullptr)
{
    QVector<DictEntry> entries;
    db.queryAll(&entries);
    QStringList names;
    for (const DictEntry& e : entries)
        names << (indexMap ? Translateword::getInstance()->trans(e.name, *indexMap) : e.name);
    return names;
}

QStringList codeNames(const QMap<int, int>& indexMap)
{
    QStringList names;
    for (auto it = indexMap.constBegin(); it != indexMap.constEnd(); ++it)
        names << Translateword::getInstance()->trans(QString::number(it.key()), indexMap);
    return names;
}

// A coded field keeps its stored code when the form still shows that code's translation.
QString codedField(const QString& shown, const QString& stored, const QMap<int, int>& indexMap)
{
    if (!stored.isEmpty() && Translateword::getInstance()->trans(stored, indexMap) == shown)
        return stored;
    return shown;
}

QDate parseBirthday(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* format : {"yyyy-MM-dd", "yyyy/MM/dd", "yyyy.MM.dd", "yyyyMMdd"}) {
        const QDate d = QDate::fromString(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    return QDate();
}
}

void Index::initComboBox()
{
    fillCombo(ui->clinicalinformation, dictNames(m_clinicaldiagnosisdb));
    fillCombo(ui->remark, dictNames(m_inspectdb));
    fillCombo(ui->inspectorname, dictNames(m_inspectordb));
    fillCombo(ui->reviewername, dictNames(m_reviewerdb));
    fillCombo(ui->sendinspectorname, dictNames(m_sendinspectordb));
    fillCombo(ui->speciesname, dictNames(m_speciesdb, &divisionIndexMap));
    fillCombo(ui->sampletypename, codeNames(sampleTypeIndexMap));
    fillCombo(ui->animalsexname, codeNames(sexIndexMap));
    ui->wgt_qc_report->initComboBox();
}

void Index::on_lineEdit_birthday_textChanged(QString arg1)
{
    Q_UNUSED(arg1)
}

// A typed birthday gives the age in whole years and months.
void Index::on_lineEdit_birthday_textEdited(QString arg1)
{
    const QDate birthday = parseBirthday(arg1);
    const QDate today = QDate::currentDate();
    if (!birthday.isValid() || birthday > today)
        return;
    const int days = int(birthday.daysTo(today));
    const int years = ResultDetail::ageYears(days);
    const int months = ResultDetail::ageMonths(days);
    ui->patientinfoage->setText(QString::number(years));
    ui->patientinfoage1->setText(months ? QString::number(months) : QString());
}

// Writes the case form into every selected result. The check time, being the run's own, is
// written only when exactly one result is selected.
void Index::on_pushButton_14_clicked()
{
    const QList<int> ids = selectedResultIds();
    if (ids.isEmpty())
        return;

    const int years = ui->patientinfoage->text().trimmed().toInt();
    const int months = ui->patientinfoage1->text().trimmed().toInt();
    int saved = 0;
    int failed = 0;
    for (int id : ids) {
        QVector<PanelChkRecord> found;
        if (!m_indexdb.queryById(QString::number(id), &found) || found.isEmpty()) {
            qDebug() << "Index::on_pushButton_14_clicked no live result" << id;
            ++failed;
            continue;
        }
        PanelChkRecord r = found.first();

        // Keep the stored days when the form still shows the stored age.
        QString age = r.age;
        if (ResultDetail::ageYears(r.age) != years || ResultDetail::ageMonths(r.age) != months || r.age.isEmpty())
            age = (years || months || !r.age.isEmpty()) ? QString::number(years * 365 + months * 30) : QString();

        QJsonObject patient = QJsonDocument::fromJson(r.patientinfo.toUtf8()).object();
        patient.insert(QStringLiteral("name"), ui->patientinfoname->text());
        patient.insert(QStringLiteral("number"), ui->patientinfoid->text());
        patient.insert(QStringLiteral("id"), ui->patientinfonumber->text());
        patient.insert(QStringLiteral("age"), age);
        patient.insert(QStringLiteral("birthday"), ui->lineEdit_birthday->text());
        r.patientinfo = QString::fromUtf8(QJsonDocument(patient).toJson(QJsonDocument::Compact));
        r.name = ui->patientinfoname->text();
        r.number = ui->patientinfoid->text();
        r.sampleid = ui->patientinfonumber->text();
        r.age = age;
        r.birthday = ui->lineEdit_birthday->text();

        r.speciesname = codedField(ui->speciesname->currentText(), r.speciesname, divisionIndexMap);
        r.animalsexname = codedField(ui->animalsexname->currentText(), r.animalsexname, sexIndexMap);
        r.sampletypename = codedField(ui->sampletypename->currentText(), r.sampletypename, sampleTypeIndexMap);
        r.inspectorname = ui->inspectorname->currentText();
        r.reviewername = ui->reviewername->currentText();
        r.sendinspectorname = ui->sendinspectorname->currentText();
        r.clinicalinformation = ui->clinicalinformation->currentText();
        r.remark = ui->remark->currentText();
        r.sampletime = ui->sampletime->dateTime();
        r.sendinspectordate = ui->sendinspectordate->dateTime();
        if (ids.size() == 1)
            r.chkdatetime = ui->chkdatetime->dateTime();
        r.state = 1;
        if (m_indexdb.updateData(r))
            ++saved;
        else
            ++failed;
    }

    showChangedResults(ids);
    if (failed) {
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("保存失败"), 1, 0, true);
        return;
    }
    if (saved)
        MyMessageBox::showMyMessageBox(this, tr("成功"), tr("保存成功"), 0, 0, true);
}
