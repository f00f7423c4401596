#include "ConsolidatedReport.h"
#include "ui_ConsolidatedReport.h"

#include "ConsolidatedTable.h"
#include "DictEntry.h"
#include "MyMessageBox.h"
#include "ReportAssembly.h"
#include "ResultDetail.h"
#include "Translateword.h"
#include "chkReportPage.h"
#include "printTool.h"
#include "reportFileWriter.h"

#include <QDate>
#include <QDebug>
#include <QFileDialog>
#include <QHeaderView>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

constexpr int ValueRole = Qt::UserRole + 1;     // result column: the value the table was filled with
constexpr int FilledTextRole = Qt::UserRole + 2; // result column: the text it was filled with
constexpr int AddedRole = Qt::UserRole + 1;     // name column: 1 for an analyte added by hand

template <typename Db>
void fillDictCombo(QComboBox* combo, Db& db)
{
    combo->clear();
    combo->addItem(QString());
    QVector<DictEntry> entries;
    if (!db.queryAll(&entries))
        return;
    for (const DictEntry& e : qAsConst(entries))
        combo->addItem(e.name);
}

void setTime(QDateTimeEdit* edit, const QDateTime& time)
{
    if (!time.isNull())
        edit->setDateTime(time);
}

// The width at which `edit` shows `text` whole: the text, the edit's own 2 px each side, its
// margins and the frame and padding that the style (sheet) gives it.
int widthShowing(const QLineEdit* edit, const QString& text)
{
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    opt.state |= QStyle::State_Sunken;
    const QMargins margins = edit->textMargins();
    const QSize content(edit->fontMetrics().horizontalAdvance(text) + 1 + 4 + margins.left() + margins.right(),
                        edit->sizeHint().height());
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, content, edit).width();
}

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

QString nameOf(const QString& code)
{
    return Translateword::getInstance()->transByKey(code);
}

} // namespace

ConsolidatedReport::ConsolidatedReport(const PanelChkRecord& record, QWidget* parent)
    : baseDlg(parent), ui(new Ui::ConsolidatedReport), m_record(record)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/images/bianji.png")));
    ui->pushButton->setShortcut(QKeySequence(QStringLiteral("F2")));
    // Ages of up to three digits (years and months) show whole.
    for (QLineEdit* age : {ui->lineEdit_6, ui->lineEdit_13})
        age->setFixedWidth(widthShowing(age, QStringLiteral("000")));

    QTableWidget* table = ui->tableWidget;
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch); // the full name
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setStyleSheet(QStringLiteral("selection-background-color:lightblue;"));

    comboxfind();
    fillCaseFields();
    m_machineId = m_record.machineid;
    ui->pushButton_3->setShortcut(QKeySequence(Qt::Key_Delete));
    fillTable();
    ui->chkdatetime->setCalendarPopup(true);
    ui->sendinspectordate->setCalendarPopup(true);
    ui->sampletime->setCalendarPopup(true);
}

ConsolidatedReport::~ConsolidatedReport()
{
    delete ui;
}

void ConsolidatedReport::fillCaseFields()
{
    Translateword* words = Translateword::getInstance();
    ui->lineEdit->setText(words->trans(m_record.speciesname, divisionIndexMap));
    ui->lineEdit_5->setText(words->trans(m_record.animalsexname, sexIndexMap));
    ui->lineEdit_2->setText(m_record.number);
    ui->lineEdit_3->setText(m_record.name);
    ui->patientinfonumber->setText(m_record.sampleid);
    ui->lineEdit_6->setText(QString::number(ResultDetail::ageYears(m_record.age)));
    ui->lineEdit_13->setText(QString::number(ResultDetail::ageMonths(m_record.age)));
    ui->lineEdit_7->setCurrentText(words->trans(m_record.sampletypename, sampleTypeIndexMap));
    setTime(ui->sendinspectordate, m_record.sendinspectordate);
    ui->lineEdit_birthday->setText(m_record.birthday);
    setTime(ui->sampletime, m_record.sampletime);
    setTime(ui->chkdatetime, m_record.chkdatetime);
    ui->label_23->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    ui->lineEdit_8->setCurrentText(m_record.clinicalinformation);
    ui->lineEdit_9->setCurrentText(m_record.sendinspectorname);
    ui->lineEdit_10->setCurrentText(m_record.inspectorname);
    ui->lineEdit_11->setCurrentText(m_record.reviewername);
    ui->lineEdit_12->setCurrentText(m_record.remark);
    ui->lineEdit_12->hide();
    ui->label_3->hide();
}

void ConsolidatedReport::fillTable()
{
    const QVector<ResultDetailRow> rows = ConsolidatedTable::rows(
        m_record, ReportAssembly::unitMode(), &ReportAssembly::storedQcLimits, &nameOf);
    QTableWidget* table = ui->tableWidget;
    table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const ResultDetailRow& row = rows.at(r);
        table->setItem(r, 0, new QTableWidgetItem(row.code));
        auto* name = new QTableWidgetItem(row.name);
        if (row.addedByHand)
            name->setData(AddedRole, 1);
        table->setItem(r, 1, name);
        auto* result = new QTableWidgetItem(row.valueText);
        result->setData(ValueRole, row.value);
        result->setData(FilledTextRole, row.valueText);
        table->setItem(r, 2, result);
        if (m_record.testType == 1)
            table->setItem(r, 3, new QTableWidgetItem(row.targetText));
        table->setItem(r, 4, new QTableWidgetItem(row.rangeText));
        table->setItem(r, 5, new QTableWidgetItem(row.unitText));
    }
    // The target column is shown for a QC run only; without rows it stays as the form made it.
    if (!rows.isEmpty())
        table->setColumnHidden(3, m_record.testType != 1);
}

void ConsolidatedReport::comboxfind()
{
    fillDictCombo(ui->lineEdit_8, m_clinicaldiagnosisdb);
    fillDictCombo(ui->lineEdit_12, m_inspectdb);
    fillDictCombo(ui->lineEdit_10, m_inspectordb);
    fillDictCombo(ui->lineEdit_11, m_reviewerdb);
    ui->lineEdit_7->clear();
    ui->lineEdit_7->addItem(QString(), -1);
    for (int code = 0; code <= 2; ++code)
        ui->lineEdit_7->addItem(Translateword::getInstance()->transByIndex(sampleTypeIndexMap.value(code)), code);
    fillDictCombo(ui->lineEdit_9, m_sendinspectordb);
}

void ConsolidatedReport::buildReportHtml(chkReportPage& page)
{
    const QTableWidget* table = ui->tableWidget;
    QVector<ReportItem> items;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* result = table->item(row, 2);
        items << ConsolidatedTable::reportItem(
            cellText(table, row, 0), result ? result->text() : QString(),
            result ? result->data(FilledTextRole).toString() : QString(),
            result ? result->data(ValueRole).toDouble() : 0.0, cellText(table, row, 4),
            cellText(table, row, 5), &nameOf);
    }

    ReportPatientInfo info;
    info.division = ui->lineEdit->text();
    info.patientNumber = ui->lineEdit_2->text();
    info.patientName = ui->lineEdit_3->text();
    info.sampleType = ui->lineEdit_7->currentText();
    info.sex = ui->lineEdit_5->text();
    info.sampleNumber = ui->patientinfonumber->text();
    info.sampleTime = ReportAssembly::timeText(ui->sampletime->dateTime(), true);
    info.submitter = ui->lineEdit_9->currentText();
    info.tester = ui->lineEdit_10->currentText();
    info.reviewer = ui->lineEdit_11->currentText();
    info.submitTime = ReportAssembly::timeText(ui->sendinspectordate->dateTime(), true);
    info.testTime = ReportAssembly::timeText(ui->chkdatetime->dateTime(), false);
    info.diagnosis = ui->lineEdit_8->currentText();
    info.serialNumber = m_machineId;
    info.birthday = ui->lineEdit_birthday->text();
    ConsolidatedTable::fill(page, items, info,
                            ConsolidatedTable::ageText(ui->lineEdit_6->text(), ui->lineEdit_13->text()));
}

void ConsolidatedReport::on_pushButton_clicked()
{
    chkReportPage page;
    buildReportHtml(page);
    if (!page.printSheets(ConsolidatedTable::pagesPerSheet())) {
        qDebug() << "ConsolidatedReport::on_pushButton_clicked no usable printer";
        MyMessageBox::showMyMessageBox(this, tr("打印"), printTool::noPrinterText(), 1, 0, true);
    }
}

void ConsolidatedReport::on_pushButton_2_clicked()
{
    chkReportPage page;
    buildReportHtml(page);
    page.printPreviewSheets(ConsolidatedTable::pagesPerSheet());
}

void ConsolidatedReport::on_pushButton_4_clicked()
{
    const QString name = reportFileWriter::withSuffix(
        QFileDialog::getSaveFileName(this, tr("Save Text"), QStringLiteral("/"), QStringLiteral("Text Files (*.pdf)")),
        QStringLiteral("pdf"));
    if (name.isEmpty())
        return;
    savePdf(name);
}

bool ConsolidatedReport::savePdf(const QString& fileName)
{
    chkReportPage page;
    buildReportHtml(page);
    if (page.exportPdf(fileName))
        return true;
    qDebug() << "ConsolidatedReport::savePdf failed" << fileName;
    MyMessageBox::showMyMessageBox(this, tr("失败"),
                                   tr("文件无法写入，请检查路径或关闭正在使用该文件的程序：%1").arg(fileName), 1, 0, true);
    return false;
}

void ConsolidatedReport::on_pushButton_3_clicked()
{
    const int row = ui->tableWidget->currentRow();
    if (row >= 0)
        ui->tableWidget->removeRow(row);
}

void ConsolidatedReport::retranslate()
{
    ui->retranslateUi(this);
}
