#include "wgtQcReport.h"
#include "ui_wgtQcReport.h"

#include "DictEntry.h"
#include "Indexdb.h"
#include "Inspectordb.h"
#include "MyMessageBox.h"
#include "QcFormat.h"
#include "QcListModel.h"
#include "QcReportAssembly.h"
#include "ReportAssembly.h"
#include "Reviewerdb.h"
#include "Speciesdb.h"
#include "Translateword.h"
#include "qcReportPage.h"
#include "printTool.h"
#include "reportFileWriter.h"
#include "qvHeaderView.h"
#include "resultText.h"

#include <QDebug>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalBlocker>

namespace {

const int kListColumnCap = 240;

QTableWidgetItem* textItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* checkItem(bool checked)
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QString nameOf(const QString& stored)
{
    const QString word = Translateword::getInstance()->transWord(stored);
    return word.isEmpty() ? stored : word;
}

// The stored QC range of an analyte in the unit mode, empty when it has none.
QString qcRangeText(const QString& code, int mode)
{
    const QVector<double> limits = ReportAssembly::storedQcLimits(code);
    if (limits.size() != 2)
        return QString();
    double low = limits.at(0), high = limits.at(1);
    return convertUnitRange(code, low, high, mode);
}

} // namespace

wgtQcReport::wgtQcReport(QWidget* parent)
    : QWidget(parent), ui(new Ui::wgtQcReport), m_indexdb(new Indexdb(this)), m_listModel(new QcListModel(m_indexdb, this))
{
    ui->setupUi(this);
    ui->pushButton_print->setShortcut(Qt::Key_F2);

    QTableView* list = ui->tableWidget_qc;
    list->setModel(m_listModel);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->verticalHeader()->setVisible(false);
    list->horizontalHeader()->setStretchLastSection(true);
    // Columns are measured when the list is filled afresh and widened for arriving rows, never
    // for every change (that would measure every loaded row). A long text is cut, not widening
    // its column past the tab; its tool tip shows it whole.
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    list->horizontalHeader()->setSectionResizeMode(ColMachine, QHeaderView::Stretch);
    list->horizontalHeader()->setMaximumSectionSize(kListColumnCap);

    QTableWidget* detail = ui->tableWidget_detail;
    m_detailHeader = new qvHeaderView(Qt::Horizontal, detail);
    m_detailHeader->addCheckSection(1);
    detail->setHorizontalHeader(m_detailHeader);
    detail->setColumnCount(DetailColumns);
    detail->setSelectionMode(QAbstractItemView::SingleSelection);
    detail->verticalHeader()->setVisible(false);
    m_detailHeader->setSectionsClickable(true);
    m_detailHeader->setStretchLastSection(true);
    m_detailHeader->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_detailHeader->setSectionResizeMode(DetCode, QHeaderView::Stretch);
    m_detailHeader->setSectionResizeMode(DetCheck, QHeaderView::Fixed);
    m_detailHeader->resizeSection(DetCheck, 32);
    connect(m_detailHeader, &qvHeaderView::signal_check, this, &wgtQcReport::slot_detailcheck);

    ui->splitter->setStretchFactor(0, 3);
    ui->splitter->setStretchFactor(1, 3);

    setHeaders();
    initComboBox();
    m_listModel->showFilter(nullptr);
    fitColumns(0, m_listModel->rowCount() - 1, true);
}

wgtQcReport::~wgtQcReport()
{
    delete ui;
}

void wgtQcReport::setHeaders()
{
    m_listModel->setHeaderTexts(
        {tr("编号"), QString(), tr("检测时间"), tr("质控品"), tr("质控批号"), tr("科室"), tr("设备编号")});
    ui->tableWidget_detail->setHorizontalHeaderLabels(
        {QString(), tr("项目"), tr("结果"), tr("单位"), tr("靶值"), tr("质控范围")});
}

void wgtQcReport::initComboBox()
{
    struct Source
    {
        QComboBox* box;
        QVector<DictEntry> rows;
    };
    Source sources[3] = {{ui->comboBox_division, {}}, {ui->comboBox_inspector, {}}, {ui->comboBox_reviewer, {}}};
    Speciesdb(this).queryAll(&sources[0].rows);
    Inspectordb(this).queryAll(&sources[1].rows);
    Reviewerdb(this).queryAll(&sources[2].rows);

    for (Source& s : sources) {
        const QString text = s.box->currentText();
        s.box->blockSignals(true);
        s.box->clear();
        s.box->addItem(QString());
        for (const DictEntry& e : qAsConst(s.rows))
            s.box->addItem(nameOf(e.name));
        setCombo(s.box, text);
        s.box->blockSignals(false);
    }
}

void wgtQcReport::setCombo(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    if (i >= 0)
        box->setCurrentIndex(i);
    else
        box->setEditText(text);
}

void wgtQcReport::refreshData()
{
    m_listFilter = QcQueryFilter();
    changeList([this] {
        if (m_listModel->isSearch())
            m_listModel->showFilter(nullptr);
        else
            m_listModel->reload();
    }, true);
}

void wgtQcReport::queryData(QcQueryFilter filter)
{
    m_filter = filter;
    m_listFilter = filter;
    changeList([this] { m_listModel->showFilter(&m_listFilter); }, true);
}

void wgtQcReport::showNewResults()
{
    if (m_listModel->isSearch()) {
        refreshData();
        return;
    }
    QList<int> added;
    changeList([&] { added = m_listModel->addNewResults(); }, false);
    for (int id : qAsConst(added)) {
        const int row = m_listModel->rowOfId(id);
        fitColumns(row, row, false);
    }
}

void wgtQcReport::changeList(const std::function<void()>& change, bool showAgain)
{
    const int keep = currentId();
    QTableView* table = ui->tableWidget_qc;
    int keepRow = -1;
    {
        const QSignalBlocker quiet(table);
        change();
        keepRow = m_listModel->rowOfId(keep);
        if (keepRow < 0)
            table->clearSelection();
        else if (!table->selectionModel()->isRowSelected(keepRow, QModelIndex()))
            table->selectRow(keepRow);
    }
    if (keepRow < 0) {
        if (m_hasCurrent)
            clearDetail();
        return;
    }
    PanelQcResult shown;
    if (!showAgain)
        return;
    if (resultAt(keepRow, &shown))
        showDetail(shown);
    else
        clearDetail();
}

void wgtQcReport::fitColumns(int first, int last, bool exact)
{
    QTableView* view = ui->tableWidget_qc;
    view->ensurePolished(); // the style sheet's font and margins
    QHeaderView* header = view->horizontalHeader();
    const int grid = view->showGrid() ? 1 : 0;
    for (int c = 0; c < ColMachine; ++c) {
        int width = header->sectionSizeHint(c);
        for (int row = qMax(first, 0); row <= last && width < kListColumnCap; ++row)
            width = qMax(width, view->sizeHintForIndex(m_listModel->index(row, c)).width() + grid);
        width = qMin(width, kListColumnCap);
        if (exact || width > header->sectionSize(c))
            header->resizeSection(c, width);
    }
}

bool wgtQcReport::resultAt(int row, PanelQcResult* out) const
{
    const int id = m_listModel->idAt(row);
    return id >= 0 && m_indexdb->queryQcById(id, out);
}

void wgtQcReport::on_tableWidget_qc_itemSelectionChanged()
{
    const QModelIndexList rows = ui->tableWidget_qc->selectionModel()->selectedRows();
    PanelQcResult shown;
    if (rows.isEmpty() || !resultAt(rows.first().row(), &shown)) {
        clearDetail();
        return;
    }
    showDetail(shown);
}

void wgtQcReport::clearDetail()
{
    m_hasCurrent = false;
    m_resultParsed = false;
    m_current = PanelQcResult();
    ui->tableWidget_detail->setRowCount(0);
    ui->comboBox_qcProduct->setCurrentIndex(0);
    ui->lineEdit_qclot->clear();
    setCombo(ui->comboBox_division, QString());
    setCombo(ui->comboBox_inspector, QString());
    setCombo(ui->comboBox_reviewer, QString());
    ui->dateTimeEdit_chk->setDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
    m_detailHeader->setChecked(false);
}

void wgtQcReport::showDetail(const PanelQcResult& qc)
{
    m_current = qc;
    m_hasCurrent = true;

    ui->comboBox_qcProduct->setCurrentIndex(qc.QcProduct == 0 ? 0 : 1);
    ui->lineEdit_qclot->setText(qc.QcLot);
    setCombo(ui->comboBox_division, QcFormat::divisionText(qc.division));
    setCombo(ui->comboBox_inspector, qc.inspectorname);
    setCombo(ui->comboBox_reviewer, qc.reviewername);
    ui->dateTimeEdit_chk->setDateTime(qc.chkdatetime.isValid() ? qc.chkdatetime : QDateTime());

    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(qc.result.toUtf8(), &err);
    m_resultParsed = err.error == QJsonParseError::NoError && doc.isArray();
    if (!m_resultParsed)
        qDebug() << "wgtQcReport::showDetail 数据解析有误" << qc.id;
    const QJsonArray analytes = doc.array();

    const int mode = ReportAssembly::unitMode();
    QTableWidget* table = ui->tableWidget_detail;
    table->setRowCount(0);
    for (const QJsonValue& v : analytes) {
        const QJsonObject a = v.toObject();
        const QString code = a.value("N").toString();
        const QJsonArray in = a.value("I").toArray();
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, DetCheck, checkItem(true));
        table->setItem(row, DetCode, textItem(code));
        table->setItem(row, DetResult, textItem(convertUnitValue(code, in.at(0).toDouble(), mode)));
        table->setItem(row, DetUnit, textItem(unitOfProject(code, in.at(5).toString(), mode)));
        table->setItem(row, DetTarget, textItem(convertUnitValue(code, in.at(3).toDouble(), mode)));
        table->setItem(row, DetRange, textItem(qcRangeText(code, mode)));
    }
    m_detailHeader->setChecked(table->rowCount() > 0);
}

void wgtQcReport::showLimitsAgain()
{
    const int mode = ReportAssembly::unitMode();
    QTableWidget* table = ui->tableWidget_detail;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (const QTableWidgetItem* code = table->item(row, DetCode))
            table->setItem(row, DetRange, textItem(qcRangeText(code->text(), mode)));
    }
}

QSet<QString> wgtQcReport::checkedProjects() const
{
    QSet<QString> codes;
    const QTableWidget* table = ui->tableWidget_detail;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* box = table->item(row, DetCheck);
        const QTableWidgetItem* code = table->item(row, DetCode);
        if (box && code && box->checkState() == Qt::Checked)
            codes.insert(code->text());
    }
    return codes;
}

QList<int> wgtQcReport::checkedIds() const
{
    return m_listModel->tickedIds();
}

void wgtQcReport::slot_detailcheck(int _index, bool _check)
{
    Q_UNUSED(_index)
    QTableWidget* table = ui->tableWidget_detail;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (QTableWidgetItem* box = table->item(row, DetCheck))
            box->setCheckState(_check ? Qt::Checked : Qt::Unchecked);
    }
}

bool wgtQcReport::editedResult(PanelQcResult* out) const
{
    if (!m_hasCurrent)
        return false;
    PanelQcResult r = m_current;
    const int product = ui->comboBox_qcProduct->currentIndex();
    if (product != (m_current.QcProduct == 0 ? 0 : 1))
        r.QcProduct = product;
    r.QcLot = ui->lineEdit_qclot->text().trimmed();
    // An unchanged department keeps its stored form (it may be an analyzer code).
    const QString division = ui->comboBox_division->currentText().trimmed();
    if (division != QcFormat::divisionText(m_current.division))
        r.division = division;
    r.inspectorname = ui->comboBox_inspector->currentText().trimmed();
    r.reviewername = ui->comboBox_reviewer->currentText().trimmed();
    const QDateTime shown = ui->dateTimeEdit_chk->dateTime();
    const QDateTime stored = m_current.chkdatetime;
    if (!stored.isValid() || shown.toSecsSinceEpoch() != stored.toSecsSinceEpoch())
        r.chkdatetime = shown;

    // The analytes left in the detail table, as stored. An unreadable result stays untouched.
    if (m_resultParsed) {
        QSet<QString> kept;
        const QTableWidget* table = ui->tableWidget_detail;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (const QTableWidgetItem* code = table->item(row, DetCode))
                kept.insert(code->text());
        }
        const QJsonArray all = QJsonDocument::fromJson(m_current.result.toUtf8()).array();
        if (kept.size() != all.size()) {
            QJsonArray left;
            for (const QJsonValue& v : all) {
                if (kept.contains(v.toObject().value("N").toString()))
                    left.append(v);
            }
            r.result = QString::fromUtf8(QJsonDocument(left).toJson(QJsonDocument::Indented));
        }
    }
    *out = r;
    return true;
}

void wgtQcReport::on_pushButton_save_clicked()
{
    PanelQcResult r;
    if (!editedResult(&r)) {
        MyMessageBox::showMyMessageBox(this, tr("提示"), tr("请选择一条质控记录"), 1, 0, true);
        return;
    }
    if (!m_indexdb->updateQcResult(r)) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("保存失败"), 1, 0, true);
        return;
    }
    m_current = r;
    changeList([&] {
        if (m_listModel->isSearch())
            m_listModel->reload();
        else
            m_listModel->refreshResults({r.id});
    }, true);
    MyMessageBox::showMyMessageBox(this, tr("提示"), tr("保存成功"), 0, 0, true);
}

void wgtQcReport::on_pushButton_delete_clicked()
{
    QList<int> ids = checkedIds();
    if (ids.isEmpty() && m_hasCurrent)
        ids << m_current.id;
    if (ids.isEmpty()) {
        MyMessageBox::showMyMessageBox(this, tr("提示"), tr("请选择一条质控记录"), 1, 0, true);
        return;
    }
    if (MyMessageBox::showMyMessageBox(this, tr("删除"), tr("确认删除吗？"), 2, 1, true) != 0)
        return;
    if (!m_indexdb->setQcShow(ids, 0)) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("删除失败"), 1, 0, true);
        return;
    }
    changeList([&] { m_listModel->refreshResults(ids); }, false);
}

void wgtQcReport::on_pushButton_delproject_clicked()
{
    QTableWidget* table = ui->tableWidget_detail;
    const int row = table->currentRow();
    if (row < 0)
        return;
    qDebug() << "wgtQcReport::on_pushButton_delproject_clicked row" << row;
    table->removeRow(row);
}

bool wgtQcReport::buildQcReport(qcReportPage& page, const QSet<QString>& ticked, const QString& id)
{
    QcReportAssembly::applySettings(page);
    PanelQcResult result;
    bool found = false;
    if (!id.isEmpty()) {
        bool ok = false;
        const int n = id.toInt(&ok);
        found = ok && m_indexdb->queryQcById(n, &result);
    } else if (m_hasCurrent) {
        found = m_indexdb->queryQcById(m_current.id, &result);
    } else {
        const int first = m_listModel->idAt(0);
        found = first >= 0 && m_indexdb->queryQcById(first, &result);
    }
    if (!found) {
        qDebug() << "wgtQcReport::buildQcReport no QC result" << id;
        return false;
    }
    return QcReportAssembly::fillFromResult(page, result, ticked, &ReportAssembly::storedQcLimits);
}

void wgtQcReport::on_pushButton_printview_clicked()
{
    if (!m_hasCurrent) {
        MyMessageBox::showMyMessageBox(this, tr("提示"), tr("请选择一条质控记录"), 1, 0, true);
        return;
    }
    qcReportPage page;
    if (!buildQcReport(page, checkedProjects(), QString())) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("该结果无法读取，未生成报告"), 1, 0, true);
        return;
    }
    page.printPreview();
}

void wgtQcReport::on_pushButton_print_clicked()
{
    const QList<int> ids = checkedIds();
    if (ids.isEmpty()) {
        MyMessageBox::showMyMessageBox(this, tr("打印"), tr("请勾选打印报告"), 2, 0, true);
        return;
    }
    if (MyMessageBox::showMyMessageBox(this, tr("打印"), tr("确认打印吗？"), 2, 1, true) != 0)
        return;
    QStringList unreadable;
    for (int id : ids) {
        // The analytes ticked in the detail belong to the shown result only.
        const QSet<QString> analytes = id == currentId() ? checkedProjects() : QSet<QString>();
        qcReportPage page;
        if (!buildQcReport(page, analytes, QString::number(id))) {
            unreadable << QString::number(id);
            continue;
        }
        if (!page.print()) {
            // No printer now means none for the reports after this one either.
            qDebug() << "wgtQcReport::on_pushButton_print_clicked no usable printer";
            MyMessageBox::showMyMessageBox(this, tr("打印"), printTool::noPrinterText(), 1, 0, true);
            return;
        }
    }
    if (!unreadable.isEmpty()) {
        MyMessageBox::showMyMessageBox(this, tr("打印"),
                                       tr("以下结果无法读取，未打印：%1").arg(unreadable.join(QStringLiteral(", "))),
                                       1, 0, true);
    }
}

void wgtQcReport::on_pushButton_printpdf_clicked()
{
    exportCurrentReport(QStringLiteral("Text Files (*.pdf)"), false);
}

void wgtQcReport::on_pushButton_printexcel_clicked()
{
    exportCurrentReport(QStringLiteral("Text Files (*.xlsx)"), true);
}

void wgtQcReport::exportCurrentReport(const QString& filter, bool excel)
{
    if (!m_hasCurrent) {
        MyMessageBox::showMyMessageBox(this, tr("提示"), tr("请选择一条质控记录"), 1, 0, true);
        return;
    }
    const QString name = reportFileWriter::withSuffix(
        QFileDialog::getSaveFileName(this, tr("Save Text"), QStringLiteral("/"), filter),
        excel ? QStringLiteral("xlsx") : QStringLiteral("pdf"));
    if (name.isEmpty())
        return;
    qcReportPage page;
    if (!buildQcReport(page, checkedProjects(), QString())) {
        MyMessageBox::showMyMessageBox(this, tr("警告"), tr("该结果无法读取，未生成报告"), 1, 0, true);
        return;
    }
    if (!(excel ? page.exportExcel(name) : page.exportPdf(name)))
        MyMessageBox::showMyMessageBox(this, tr("警告"),
                                       tr("文件无法写入，请检查路径或关闭正在使用该文件的程序：%1").arg(name), 1, 0, true);
}

void wgtQcReport::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        const int product = ui->comboBox_qcProduct->currentIndex();
        ui->retranslateUi(this);
        // The print button's new text took its shortcut away.
        ui->pushButton_print->setShortcut(Qt::Key_F2);
        ui->comboBox_qcProduct->setCurrentIndex(product);
        setHeaders();
        initComboBox();
        changeList([this] { m_listModel->reload(); }, true);
        fitColumns(0, m_listModel->rowCount() - 1, true);
    }
    QWidget::changeEvent(event);
}
