#include "Patientfind.h"
#include "ui_Patientfind.h"

#include "Indexdb.h"
#include "SystemSettings.h"
#include "Translateword.h"

#include <QDateTime>
#include <QIcon>

Patientfind::Patientfind(QWidget* parent)
    : baseDlg(parent)
    , ui(new Ui::Patientfind)
{
    qRegisterMetaType<QueryFilter>("QueryFilter");
    ui->setupUi(this);
    setWindowTitle(tr("条件查询"));
    setWindowIcon(QIcon(QStringLiteral(":/images/find.png")));
    setFixedSize(size());
    setWindowModality(Qt::ApplicationModal);
    const QDate today = QDate::fromString(QDateTime::currentDateTime().toString("yyyy-MM-dd"), "yyyy-MM-dd");
    ui->startchkdate->setDate(today);
    ui->endchkdate->setDate(today);
    m_shownStart = today;
    m_shownEnd = today;
    ui->startchkdate->setCalendarPopup(true);
    ui->endchkdate->setCalendarPopup(true);
    ui->projectname->addItem(QString());
    ui->projectname->addItems(analyteIdMap.keys());
    ui->machineid->addItem(QString());
}

Patientfind::~Patientfind()
{
    delete ui;
}

void Patientfind::showEvent(QShowEvent* event)
{
    QStringList machines;
    Indexdb store;
    if (store.liveMachineIds(&machines)) {
        const QString typed = ui->machineid->currentText();
        ui->machineid->clear();
        ui->machineid->addItem(QString());
        ui->machineid->addItems(machines);
        ui->machineid->setEditText(typed);
    }
    QDateTime oldest;
    QDateTime newest;
    if (ui->startchkdate->date() == m_shownStart && ui->endchkdate->date() == m_shownEnd
        && store.liveCheckTimeRange(&oldest, &newest) && oldest.isValid()) {
        const QDate today = QDate::currentDate();
        m_shownStart = qMin(oldest.date(), today);
        m_shownEnd = qMax(newest.date(), today);
        ui->startchkdate->setDate(m_shownStart);
        ui->endchkdate->setDate(m_shownEnd);
    }
    baseDlg::showEvent(event);
}

void Patientfind::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(tr("高级查询"));
}

// Both dates are whole days: from the start day's midnight to the end day's last moment.
QueryFilter Patientfind::currentFilter() const
{
    QueryFilter filter;
    filter.startchkdate = QDateTime(ui->startchkdate->date(), QTime(0, 0));
    filter.endchkdate = QDateTime(ui->endchkdate->date(), QTime(23, 59, 59, 999));
    filter.sampleid = ui->sampleid->text().trimmed();
    filter.patientinfoname = ui->patientinfoname->text().trimmed();
    filter.speciesname = ui->speciesname->text().trimmed();
    // The analyzer stores a department as its code, and results saved by older versions may hold
    // its word in any language: a department typed in any language finds them all.
    if (!filter.speciesname.isEmpty()) {
        Translateword* words = Translateword::getInstance();
        const QString word = words->trans(filter.speciesname, divisionIndexMap);
        for (auto it = divisionIndexMap.constBegin(); it != divisionIndexMap.constEnd(); ++it) {
            const QString code = QString::number(it.key());
            if (words->trans(code, divisionIndexMap) != word)
                continue;
            filter.speciesnames << filter.speciesname;
            for (const QString& language : knownLanguages())
                filter.speciesnames << words->transByIndex(it.value(), language);
            filter.speciesname = code;
            break;
        }
    }
    filter.patientinfoid = ui->patientinfoid->text().trimmed();
    filter.projectname = ui->projectname->currentText().trimmed();
    filter.machineid = ui->machineid->currentText().trimmed();
    return filter;
}

void Patientfind::on_pushButton_clicked()
{
    emit sendresult(currentFilter());
}
