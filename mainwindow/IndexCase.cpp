// The case form: its lookup lists, the age from a birthday and the save of the case fields.
#include "Index.h"
#include "ui_Index.h"

#include "CaseFields.h"
#include "CaseForm.h"
#include "DictEntry.h"
#include "MyMessageBox.h"
#include "ResultDetail.h"

#include <QDebug>
#include <QKeySequence>

namespace {
template <typename Db>
QStringList dictNames(Db& db)
{
    QVector<DictEntry> entries;
    db.queryAll(&entries);
    QStringList names;
    for (const DictEntry& e : entries)
        names << e.name;
    return names;
}
}

void Index::initComboBox()
{
    QVector<DictEntry> departments;
    m_speciesdb.queryAll(&departments);
    m_caseForm->setLists(dictNames(m_clinicaldiagnosisdb), dictNames(m_inspectdb), dictNames(m_inspectordb),
                         dictNames(m_reviewerdb), dictNames(m_sendinspectordb), departments);
    ui->wgt_qc_report->initComboBox();
}

// Delete, Ctrl+S, Ctrl+F and F2 on their buttons. A button's new text takes its shortcut away, so
// they are set again after every retranslation.
void Index::applyShortcuts()
{
    ui->pushButton_15->setShortcut(QKeySequence(QStringLiteral("Delete")));
    ui->pushButton_6->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    ui->pushButton_11->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    ui->pushButton_3->setShortcut(QKeySequence(QStringLiteral("F2")));
}

void Index::on_lineEdit_birthday_textChanged(QString arg1)
{
    Q_UNUSED(arg1)
}

// A typed birthday gives the age at the check time in whole years and months; a date that is not
// real, or lies after the check time, leaves the age alone.
void Index::on_lineEdit_birthday_textEdited(QString arg1)
{
    const QDate birthday = CaseFields::parseBirthday(arg1);
    const QDate checkDay = ui->chkdatetime->date().isValid() ? ui->chkdatetime->date() : QDate::currentDate();
    if (!birthday.isValid() || birthday > checkDay)
        return;
    const int days = int(birthday.daysTo(checkDay));
    const int years = ResultDetail::ageYears(days);
    const int months = ResultDetail::ageMonths(days);
    ui->patientinfoage->setText(QString::number(years));
    ui->patientinfoage1->setText(months ? QString::number(months) : QString());
}

// Writes the case form into every selected result: only the fields the user changed since the form
// showed a result, so that an untouched field keeps each result's own value. The check time, being
// the run's own, is written only when exactly one result is selected. A birthday that is not a
// real date, or lies after the check time, is refused and nothing is written.
void Index::on_pushButton_14_clicked()
{
    const QList<int> ids = selectedResultIds();
    if (ids.isEmpty() || m_caseForm->shownId().isEmpty()) {
        // Nothing to write into (nothing selected, or the form shows no stored result).
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("保存失败"), 1, 0, true);
        return;
    }

    const CaseFields shown = m_caseForm->shown();
    const CaseFields edited = m_caseForm->edited();
    const bool single = ids.size() == 1;
    int failed = 0;
    QVector<PanelChkRecord> records;
    for (int resultId : qAsConst(ids)) {
        const QString id = QString::number(resultId);
        QVector<PanelChkRecord> found;
        if (!m_indexdb.queryById(id, &found) || found.isEmpty()) {
            qDebug() << "Index::on_pushButton_14_clicked no live result" << id;
            ++failed;
            continue;
        }
        records.append(found.first());
    }

    const bool birthdayMatters = shown.birthday != edited.birthday || (single && shown.checkTime != edited.checkTime);
    for (const PanelChkRecord& r : qAsConst(records)) {
        if (!birthdayMatters)
            break;
        const QDateTime checkTime = single ? edited.checkTime : r.chkdatetime;
        const CaseFields::BirthdayCheck check = CaseFields::checkBirthday(edited.birthday, checkTime);
        if (check == CaseFields::BirthdayOk)
            continue;
        const QString text = check == CaseFields::BirthdayUnreadable
            ? tr("生日“%1”不是有效的日期，请按“年-月-日”填写，例如 2020-05-17。未保存。").arg(edited.birthday)
            : tr("生日“%1”晚于检测时间 %2，请检查后再保存。未保存。")
                  .arg(edited.birthday, checkTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        MyMessageBox::showMyMessageBox(this, tr("失败"), text, 1, 0, true);
        return;
    }

    // A patient information that is not JSON would be rebuilt from the edited fields alone.
    for (int i = 0; i < records.size(); ++i) {
        if (CaseFields::applyChanges(shown, edited, single, &records[i]))
            continue;
        qDebug() << "Index::on_pushButton_14_clicked unreadable patient information" << records.at(i).id;
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("该结果的患者信息无法读取，未保存"), 1, 0, true);
        return;
    }

    int saved = 0;
    for (PanelChkRecord r : qAsConst(records)) {
        r.state = 1;
        if (m_indexdb.updateData(r))
            ++saved;
        else
            ++failed;
    }

    // What the form shows now is what the shown result holds: the next save compares with that.
    if (saved)
        m_caseForm->takeAsShown();
    showChangedResults(ids);
    if (failed || !saved) {
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("保存失败"), 1, 0, true);
        return;
    }
    MyMessageBox::showMyMessageBox(this, tr("成功"), tr("保存成功"), 0, 0, true);
}
