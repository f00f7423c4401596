// The case form around list refills, language switches and deletions; the department as stored
// and searched; birthdays; shortcuts in every language; printing without a printer.
#include "Index.h"
#include "Indexdb.h"
#include "Language.h"
#include "MainWindowTestKit.h"
#include "Patientfind.h"
#include "PcComData.h"
#include "SystemSettings.h"
#include "StoreTestUtil.h"
#include "TestSupport.h"
#include "Translateword.h"
#include "ui_Index.h"
#include "wgtQcReport.h"
#include "ui_Patientfind.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QAbstractItemModel>
#include <QTest>
#include <QTimer>

namespace {
int addResult(const QJsonObject& patient, const QString& division, const QString& sex, const QString& sampleType,
              const QDateTime& when = QDateTime(QDate(2024, 5, 1), QTime(10, 0)), const QString& machine = "M1")
{
    PanelChkRecord r;
    r.machineid = machine;
    r.chkdatetime = when;
    r.panelid = 1;
    r.patientinfo = QString::fromUtf8(QJsonDocument(patient).toJson(QJsonDocument::Compact));
    r.speciesname = division;
    r.animalsexname = sex;
    r.sampletypename = sampleType;
    r.inspectorname = "Dr. Rossi";
    r.reviewername = "Dr. Bianchi";
    r.sendinspectorname = "Clinic North";
    r.clinicalinformation = "Gastritis";
    r.testresults = R"([{"N":"TP","I":[60,50,80,0,0,"g/L"]},{"N":"ALB","I":[30,25,40,0,0,"g/L"]}])";
    return storeResult(r);
}

// The stored row as "column=value" texts, every column.
QStringList storedRow(int id)
{
    QSqlQuery q;
    q.prepare("select * from PanelChkResult where id = ?");
    q.addBindValue(id);
    QStringList fields;
    if (!q.exec() || !q.next())
        return fields;
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        fields << rec.fieldName(i) + "=" + q.value(i).toString();
    return fields;
}

QVariant column(int id, const QString& name)
{
    QSqlQuery q;
    q.prepare("select " + name + " from PanelChkResult where id = ?");
    q.addBindValue(id);
    q.exec();
    return q.next() ? q.value(0) : QVariant();
}

QJsonObject storedPatient(int id)
{
    return QJsonDocument::fromJson(column(id, "patientinfo").toString().toUtf8()).object();
}

int rowOf(Index& w, int id)
{
    QAbstractItemModel* m = w.form()->tableWidget->model();
    for (int row = 0; row < m->rowCount(); ++row) {
        if (m->index(row, 0).data().toString() == QString::number(id))
            return row;
    }
    return -1;
}

QStringList listedIds(Index& w)
{
    QStringList ids;
    QAbstractItemModel* m = w.form()->tableWidget->model();
    for (int row = 0; row < m->rowCount(); ++row)
        ids << m->index(row, 0).data().toString();
    return ids;
}

// The check, sampling and sending times the case form shows.
QStringList formTimes(Ui::Index* f)
{
    QStringList times;
    for (const QDateTimeEdit* e : {f->chkdatetime, f->sampletime, f->sendinspectordate})
        times << e->text();
    return times;
}

// Closes the next modal dialog that opens (Cancel), or runs `act` on it.
void whenDialogOpens(std::function<void(QDialog*)> act = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog->inherits("MyMessageBox"))
            return;
        timer->stop();
        timer->deleteLater();
        if (act)
            act(dialog);
        else
            dialog->reject();
    });
    timer->start();
}

void switchLanguage(const QString& language)
{
    QVERIFY(setLanguage(language));
    QApplication::processEvents();
}

QString departmentWord(int code)
{
    return Translateword::getInstance()->trans(QString::number(code), divisionIndexMap);
}
}

class tst_caseform : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        PcComData::getInstance()->stopScanPort();
    }
    void cleanup()
    {
        setLanguage("Chinese");
        QApplication::processEvents();
    }

    // Every dialog after which the window refills the case lists: with a result selected and
    // nothing typed, the form shows that result again and a save changes nothing stored.
    void refillAfterEachOpenerKeepsStoredFields_data()
    {
        QTest::addColumn<QString>("opener");
        for (const char* slot : {"slot_clinicaldiagnosisUI", "slot_inspectUI", "slot_inspectorUI", "slot_reviewerUI",
                                 "slot_sampletypeUI", "slot_sendinspectorUI", "slot_speciesUI", "slot_languageUI"})
            QTest::newRow(slot) << QString(slot);
    }
    void refillAfterEachOpenerKeepsStoredFields()
    {
        QFETCH(QString, opener);
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}, {"name", "Lucky"}, {"number", "P100"}, {"division", "1"},
                                 {"sex", "1"}, {"swatchType", "2"}, {"age", "400"}, {"birthday", "2023-03-28"}},
                                "1", "1", "2");
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        f->tableWidget->selectRow(rowOf(w, a));
        const QString department = f->speciesname->currentText();
        const QString sex = f->animalsexname->currentText();
        QCOMPARE(department, departmentWord(1));
        const QStringList before = storedRow(a);

        whenDialogOpens();
        QVERIFY(QMetaObject::invokeMethod(&w, opener.toLatin1().constData()));
        QCOMPARE(f->speciesname->currentText(), department);
        QCOMPARE(f->animalsexname->currentText(), sex);
        QCOMPARE(f->sampletypename->currentText(), Translateword::getInstance()->trans("2", sampleTypeIndexMap));
        QCOMPARE(f->inspectorname->currentText(), QStringLiteral("Dr. Rossi"));
        QCOMPARE(f->reviewername->currentText(), QStringLiteral("Dr. Bianchi"));
        QCOMPARE(f->sendinspectorname->currentText(), QStringLiteral("Clinic North"));
        QCOMPARE(f->clinicalinformation->currentText(), QStringLiteral("Gastritis"));
        QVERIFY(f->speciesname->count() > 1); // the lists are there again

        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QVERIFY(boxes.texts.last().contains(QStringLiteral("保存成功")));
        QCOMPARE(storedRow(a), before);
    }

    // The language dialog itself switching the language: the coded fields show the stored codes'
    // words in the new language, and a save writes nothing new.
    void languageSwitchKeepsCodedFields()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}, {"name", "Lucky"}, {"division", "1"}}, "1", "0", "1");
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        f->tableWidget->selectRow(rowOf(w, a));
        const QStringList before = storedRow(a);
        whenDialogOpens([](QDialog* d) {
            auto* language = qobject_cast<Language*>(d);
            QVERIFY(language);
            auto* combo = language->findChild<QComboBox*>("comboBox_language");
            combo->setCurrentIndex(combo->findData("English"));
            QTest::mouseClick(language->findChild<QPushButton*>("pushButton_save"), Qt::LeftButton);
        });
        w.slot_languageUI();
        QCOMPARE(getLanguage(), QStringLiteral("English"));
        QCOMPARE(f->speciesname->currentText(), QStringLiteral("Surgery"));
        QCOMPARE(f->animalsexname->currentText(), Translateword::getInstance()->trans("0", sexIndexMap));
        QVERIFY(f->speciesname->findText("Surgery") > 0);
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(storedRow(a), before);
    }

    // Several results selected and only the reviewer changed: every other field keeps each
    // result's own value, not the one the form showed.
    void untouchedFieldsKeepEachResultsOwnValues()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}, {"name", "Lucky"}, {"number", "P100"}, {"age", "400"}}, "1", "0", "0");
        const int b = addResult({{"id", "S002"}, {"name", "Bella"}, {"number", "P200"}, {"age", "800"}}, "2", "1", "1",
                                QDateTime(QDate(2024, 5, 2), QTime(9, 0)));
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        f->tableWidget->setSelectionMode(QAbstractItemView::MultiSelection);
        f->tableWidget->selectRow(rowOf(w, a));
        f->tableWidget->selectRow(rowOf(w, b));
        f->reviewername->setEditText("Dr. Verdi");
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QVERIFY(boxes.texts.last().contains(QStringLiteral("保存成功")));
        QCOMPARE(column(a, "reviewername").toString(), QStringLiteral("Dr. Verdi"));
        QCOMPARE(column(b, "reviewername").toString(), QStringLiteral("Dr. Verdi"));
        QCOMPARE(storedPatient(a).value("name").toString(), QStringLiteral("Lucky"));
        QCOMPARE(storedPatient(b).value("name").toString(), QStringLiteral("Bella"));
        QCOMPARE(storedPatient(a).value("age").toString(), QStringLiteral("400"));
        QCOMPARE(storedPatient(b).value("age").toString(), QStringLiteral("800"));
        QCOMPARE(column(a, "speciesname").toString(), QStringLiteral("1"));
        QCOMPARE(column(b, "speciesname").toString(), QStringLiteral("2"));
        QCOMPARE(column(a, "animalsexname").toString(), QStringLiteral("0"));
        QCOMPARE(column(b, "animalsexname").toString(), QStringLiteral("1"));
        QVERIFY(column(a, "sampletime").toString().isEmpty());

        // Changed back to what it showed first: that is a change too.
        f->reviewername->setEditText("Dr. Bianchi");
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(column(a, "reviewername").toString(), QStringLiteral("Dr. Bianchi"));
        QCOMPARE(column(b, "reviewername").toString(), QStringLiteral("Dr. Bianchi"));
    }

    // A department picked in the case form is stored as the analyzer stores it, and the advanced
    // query finds it by its word in any language; rows saved as a word by older versions too.
    void departmentSearchAfterCaseFormEdit()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        switchLanguage("English");
        const int a = addResult({{"id", "S001"}, {"name", "Lucky"}, {"division", "0"}}, "0", "0", "0");
        const int legacyEnglish = addResult({{"id", "S002"}, {"name", "Bella"}}, "Surgery", "0", "0");
        const int legacyChinese = addResult({{"id", "S003"}, {"name", "Max"}}, QStringLiteral("外科"), "0", "0");
        const int other = addResult({{"id", "S004"}, {"name", "Coco"}, {"division", "2"}}, "2", "0", "0");
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        f->tableWidget->selectRow(rowOf(w, a));
        QCOMPARE(f->speciesname->currentText(), QStringLiteral("Internal medicine"));
        f->speciesname->setCurrentIndex(f->speciesname->findText("Surgery"));
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QVERIFY(boxes.texts.last().contains("保存成功") || boxes.texts.last().contains("Saved"));
        QCOMPARE(column(a, "speciesname").toString(), QStringLiteral("1"));
        QCOMPARE(storedPatient(a).value("division").toString(), QStringLiteral("1"));
        QCOMPARE(f->tableWidget->model()->index(rowOf(w, a), 2).data().toString(), QStringLiteral("Surgery"));
        QCOMPARE(f->tableWidget->model()->index(rowOf(w, legacyEnglish), 2).data().toString(), QStringLiteral("Surgery"));
        QCOMPARE(f->tableWidget->model()->index(rowOf(w, legacyChinese), 2).data().toString(), QStringLiteral("Surgery"));

        Ui::Patientfind* q = w.m_patientfind->form();
        q->startchkdate->setDate(QDate(2024, 1, 1));
        q->endchkdate->setDate(QDate(2024, 12, 31));
        const QStringList surgery{QString::number(legacyChinese), QString::number(legacyEnglish), QString::number(a)};
        auto search = [&](const QString& text) {
            q->speciesname->setText(text);
            QTest::mouseClick(q->pushButton, Qt::LeftButton);
            QStringList ids = listedIds(w);
            ids.sort();
            return ids;
        };
        QStringList want = surgery;
        want.sort();
        QCOMPARE(search("Surgery"), want);
        QCOMPARE(search(QStringLiteral("外科")), want);
        QCOMPARE(search("Chirurgia"), want);
        QCOMPARE(search("Emergency"), QStringList{QString::number(other)});
        QCOMPARE(search("Internal medicine"), QStringList{});

        // A typed department without a code is stored as typed and found as typed.
        q->speciesname->clear();
        QTest::mouseClick(w.form()->pushButton, Qt::LeftButton);
        f->tableWidget->selectRow(rowOf(w, other));
        f->speciesname->setEditText("Ward 7");
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(column(other, "speciesname").toString(), QStringLiteral("Ward 7"));
        QCOMPARE(search("Ward 7"), QStringList{QString::number(other)});
    }

    void impossibleBirthdaysRefused_data()
    {
        QTest::addColumn<QString>("birthday");
        QTest::addColumn<QString>("message");
        QTest::newRow("30 February") << "2023-02-30" << QStringLiteral("不是有效的日期");
        QTest::newRow("month 13, day 45") << "2099-13-45" << QStringLiteral("不是有效的日期");
        QTest::newRow("not a date") << "last spring" << QStringLiteral("不是有效的日期");
        QTest::newRow("after the check time") << "2024-05-02" << QStringLiteral("晚于检测时间");
        QTest::newRow("far ahead") << "2099-01-01" << QStringLiteral("晚于检测时间");
    }
    void impossibleBirthdaysRefused()
    {
        QFETCH(QString, birthday);
        QFETCH(QString, message);
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}, {"name", "Lucky"}, {"birthday", "2020-02-29"}}, "1", "0", "0",
                                QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        f->tableWidget->selectRow(rowOf(w, a));
        const QStringList before = storedRow(a);
        const QString shownName = f->patientinfoname->text();
        f->patientinfoname->setText("Lucky II");
        f->lineEdit_birthday->clear();
        QTest::keyClicks(f->lineEdit_birthday, birthday);
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.last().contains(message), qPrintable(boxes.texts.last()));
        QVERIFY(boxes.texts.last().contains(birthday));
        QCOMPARE(storedRow(a), before);
    }

    // The age typed from a birthday is the age at the result's check time; a birthday that
    // cannot be leaves the age alone.
    void birthdayGivesAgeAtCheckTime()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}, {"age", "30"}}, "1", "0", "0", QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
        Index w;
        Ui::Index* f = w.form();
        f->tableWidget->selectRow(rowOf(w, a));
        f->lineEdit_birthday->clear();
        QTest::keyClicks(f->lineEdit_birthday, "2022-03-31"); // 762 days before the check day
        QCOMPARE(f->patientinfoage->text(), QStringLiteral("2"));
        QCOMPARE(f->patientinfoage1->text(), QStringLiteral("1"));
        for (const char* wrong : {"2024-05-02", "2023-02-30"}) {
            f->lineEdit_birthday->clear();
            QTest::keyClicks(f->lineEdit_birthday, wrong);
            QCOMPARE(f->patientinfoage->text(), QStringLiteral("2"));
        }
    }

    void realBirthdaysSaved()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}, {"name", "Lucky"}}, "1", "0", "0", QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        f->tableWidget->selectRow(rowOf(w, a));
        for (const QString& day : {QStringLiteral("2020-02-29"), QStringLiteral("2024-05-01"), QStringLiteral("2019/07/14")}) {
            f->lineEdit_birthday->setText(day);
            QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
            QVERIFY2(boxes.texts.last().contains(QStringLiteral("保存成功")), qPrintable(day));
            QCOMPARE(storedPatient(a).value("birthday").toString(), day);
        }
        // A check time moved before the stored birthday is refused too.
        f->chkdatetime->setDateTime(QDateTime(QDate(2019, 1, 1), QTime(8, 0)));
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QVERIFY(boxes.texts.last().contains(QStringLiteral("晚于检测时间")));
        QCOMPARE(column(a, "chkdatetime").toDateTime(), QDateTime(QDate(2024, 5, 1), QTime(10, 0)));
    }

    // F2, Ctrl+F, Ctrl+S and Delete reach their commands before and after two language switches.
    void shortcutsAfterLanguageSwitches()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}, {"name", "Lucky"}}, "1", "0", "0");
        MessageBoxCloser boxes;
        Index w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Ui::Index* f = w.form();

        auto activate = [&] {
            QApplication::setActiveWindow(&w);
            QVERIFY(QTest::qWaitForWindowActive(&w));
            f->tableWidget_2->setFocus();
        };
        auto check = [&](const QString& when) {
            const QByteArray tag = when.toUtf8();
            activate();
            f->tableWidget->selectRow(rowOf(w, a));
            QTableWidget* detail = f->tableWidget_2;
            detail->setFocus();
            QCOMPARE(detail->rowCount(), 2);

            // F2 with nothing ticked: the print command asks for a ticked report.
            boxes.texts.clear();
            QTest::keyClick(detail, Qt::Key_F2);
            // A shortcut clicks its button a moment later.
            QTRY_VERIFY2(boxes.texts.size() == 1, (tag + " F2").constData());
            QVERIFY(boxes.texts.first().contains(QCoreApplication::translate("Index", "请勾选打印报告")));

            // Ctrl+F shows the advanced query.
            activate();
            QTest::keyClick(detail, Qt::Key_F, Qt::ControlModifier);
            QTRY_VERIFY2(w.m_patientfind->isVisible(), (tag + " Ctrl+F").constData());
            w.m_patientfind->hide();
            activate();

            // Delete removes the current analyte row; Ctrl+S stores the result without it.
            detail->setFocus();
            detail->setCurrentCell(1, 1);
            QTest::keyClick(detail, Qt::Key_Delete);
            QTRY_VERIFY2(detail->rowCount() == 1, (tag + " Delete").constData());
            boxes.texts.clear();
            activate();
            QTest::keyClick(detail, Qt::Key_S, Qt::ControlModifier);
            QTRY_VERIFY2(boxes.texts.size() == 1, (tag + " Ctrl+S").constData());
            QVERIFY(!column(a, "testresults").toString().contains("ALB"));
            // Put the analyte back for the next round.
            QSqlQuery put;
            put.prepare("update PanelChkResult set testresults = ? where id = ?");
            put.addBindValue(R"([{"N":"TP","I":[60,50,80,0,0,"g/L"]},{"N":"ALB","I":[30,25,40,0,0,"g/L"]}])");
            put.addBindValue(a);
            QVERIFY(put.exec());
            f->tableWidget->clearSelection();
            activate();
        };
        check("Chinese at start");
        switchLanguage("English");
        QCOMPARE(f->pushButton_3->text(), QStringLiteral("Print (F2)"));
        check("English");
        switchLanguage("Chinese");
        QCOMPARE(f->pushButton_3->text(), QStringLiteral("打印（F2）"));
        check("Chinese again");
        // The QC tab's print button keeps its F2 as well.
        auto* qcPrint = f->wgt_qc_report->findChild<QPushButton*>("pushButton_print");
        QVERIFY(qcPrint);
        QCOMPARE(qcPrint->shortcut(), QKeySequence(Qt::Key_F2));
    }

    // The detail view's full analyte names follow a language switch.
    void detailNamesFollowTheLanguage()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}}, "1", "0", "0");
        Index w;
        w.form()->tableWidget->selectRow(rowOf(w, a));
        QTableWidget* detail = w.form()->tableWidget_2;
        const QString chinese = detail->item(0, 2)->text();
        switchLanguage("English");
        QCOMPARE(detail->item(0, 2)->text(), Translateword::getInstance()->transByKey("TP"));
        QVERIFY(detail->item(0, 2)->text() != chinese);
        QVERIFY(!detail->item(0, 2)->text().isEmpty());
    }

    // A patient information that is not JSON is never rebuilt from the form: an edit of a field
    // kept there is refused; other fields are still saved.
    void unreadablePatientInfoKept()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"name", "Lucky"}}, "1", "0", "0");
        const QString original = QStringLiteral("name=Lucky;owner=Rossi (typed by hand)");
        QSqlQuery q;
        q.prepare("update PanelChkResult set patientinfo = ? where id = ?");
        q.addBindValue(original);
        q.addBindValue(a);
        QVERIFY(q.exec());
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        f->tableWidget->selectRow(rowOf(w, a));
        const QStringList before = storedRow(a);
        const QString shownName = f->patientinfoname->text();
        f->patientinfoname->setText("Lucky II");
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("该结果的患者信息无法读取，未保存")});
        QCOMPARE(storedRow(a), before);

        f->patientinfoname->setText(shownName);
        f->reviewername->setEditText("Dr. Verdi");
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QVERIFY(boxes.texts.last().contains(QStringLiteral("保存成功")));
        QCOMPARE(column(a, "reviewername").toString(), QStringLiteral("Dr. Verdi"));
        QCOMPARE(column(a, "patientinfo").toString(), original);
    }

    // A deleted result leaves the case form and the detail view; a save then writes nothing.
    void deletedResultLeavesFormAndDetail()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        const int a = addResult({{"id", "S001"}, {"name", "Lucky"}}, "1", "0", "0");
        const int b = addResult({{"id", "S002"}, {"name", "Bella"}}, "2", "0", "0", QDateTime(QDate(2024, 5, 2), QTime(9, 0)));
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        const QStringList noResult = formTimes(f);
        f->tableWidget->selectRow(rowOf(w, a));
        QCOMPARE(f->patientinfoname->text(), QStringLiteral("Lucky"));
        QVERIFY(formTimes(f) != noResult);
        QTest::mouseClick(f->pushButton_5, Qt::LeftButton);
        QTRY_COMPARE(f->tableWidget_2->rowCount(), 0);
        QCOMPARE(f->patientinfoname->text(), QString());
        QCOMPARE(f->speciesname->currentText(), QString());
        QCOMPARE(formTimes(f), noResult);
        QCOMPARE(column(a, "state").toInt(), 0);

        const QStringList before = storedRow(b);
        QTest::mouseClick(f->pushButton_14, Qt::LeftButton);
        QTest::mouseClick(f->pushButton_6, Qt::LeftButton);
        QCOMPARE(storedRow(b), before);
        QCOMPARE(column(a, "state").toInt(), 0);
    }

    // The advanced query offers the machines of the stored results and a range that spans them.
    void advancedQueryOffersStoredMachinesAndDates()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        Index w;
        Ui::Patientfind* q = w.m_patientfind->form();
        const int a = addResult({{"id", "S001"}}, "1", "0", "0", QDateTime(QDate(2023, 11, 3), QTime(10, 0)), "QV-77");
        const int b = addResult({{"id", "S002"}}, "1", "0", "0", QDateTime(QDate(2024, 2, 9), QTime(10, 0)), "QV-12");
        w.refreshTable();
        w.on_pushButton_11_clicked();
        QVERIFY(w.m_patientfind->isVisible());
        QCOMPARE(q->machineid->count(), 3);
        QCOMPARE(q->machineid->itemText(1), QStringLiteral("QV-12"));
        QCOMPARE(q->machineid->itemText(2), QStringLiteral("QV-77"));
        QCOMPARE(q->startchkdate->date(), QDate(2023, 11, 3));
        QCOMPARE(q->endchkdate->date(), QDate::currentDate());
        QTest::mouseClick(q->pushButton, Qt::LeftButton);
        QCOMPARE(listedIds(w), (QStringList{QString::number(b), QString::number(a)}));

        // Dates the user chose stay; a typed machine stays.
        q->startchkdate->setDate(QDate(2024, 1, 1));
        q->machineid->setEditText("QV-12");
        w.m_patientfind->hide();
        addResult({{"id", "S003"}}, "1", "0", "0", QDateTime(QDate(2022, 1, 1), QTime(10, 0)), "QV-99");
        w.on_pushButton_11_clicked();
        QCOMPARE(q->startchkdate->date(), QDate(2024, 1, 1));
        QCOMPARE(q->machineid->currentText(), QStringLiteral("QV-12"));
        QCOMPARE(q->machineid->count(), 4);
        w.m_patientfind->hide();
    }

    // Printing with no printer to print on tells the user instead of failing silently.
    void printingWithoutPrinterTellsTheUser()
    {
        TempWorkDir dir;
        QVERIFY(prepareMainDatabase());
        // The report goes to the default printer: name one that does not exist.
        qputenv("PRINTER", "chemdesk-no-such-printer");
        qputenv("LPDEST", "chemdesk-no-such-printer");
        const int a = addResult({{"id", "S001"}}, "1", "0", "0");
        const int b = addResult({{"id", "S002"}}, "1", "0", "0", QDateTime(QDate(2024, 5, 2), QTime(9, 0)));
        MessageBoxCloser boxes;
        Index w;
        Ui::Index* f = w.form();
        for (int id : {a, b})
            QVERIFY(f->tableWidget->model()->setData(f->tableWidget->model()->index(rowOf(w, id), 1), Qt::Checked,
                                                     Qt::CheckStateRole));
        QTest::mouseClick(f->pushButton_3, Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY(boxes.texts.at(0).contains(QStringLiteral("确认打印吗？")));
        QVERIFY2(boxes.texts.at(1).contains(QStringLiteral("没有可用的打印机")), qPrintable(boxes.texts.at(1)));
    }
};

QTEST_MAIN(tst_caseform)
#include "tst_caseform.moc"
