#include "PrintPreviewQc.h"
#include "ui_PrintPreviewQc.h"

#include "MyMessageBox.h"
#include "PrintSettings.h"
#include "PrintTemplateSample.h"
#include "SystemSettings.h"
#include "dlgEditText.h"
#include "qcPreviewPage.h"
#include "qcReportBlocks.h"
#include "replaceFile.h"

#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QGridLayout>
#include <QPrintPreviewWidget>

#include <memory>

PrintPreviewQc::PrintPreviewQc(QWidget* parent) : QWidget(parent), ui(new Ui::PrintPreviewQc)
{
    ui->setupUi(this);
    loadSettings();
}

PrintPreviewQc::~PrintPreviewQc()
{
    // The preview paints with the page's printer: it goes first.
    qDeleteAll(ui->wgt_print_template_qc->findChildren<QPrintPreviewWidget*>(QString(), Qt::FindDirectChildrenOnly));
    delete m_previewPage;
    delete ui;
}

void PrintPreviewQc::loadSettings()
{
    const QcPrintOptions o = PrintSettings::readQc();
    const int chart = o.chart;
    const int paper = o.paper;
    m_optEnable = o.optEnable;
    m_customText = o.customText;
    ui->spinBox_qc_fontsize->setValue(o.fontSize);

    updatePrintReportData(chart, paper, m_optEnable);
    initButtonGroups(chart, paper);

    // At least 300 px; wider only where a translation needs it.
    ui->frame_set_qc->setMinimumWidth(300);

    auto* grid = new QGridLayout(ui->groupBox_select_opt_qc);
    for (int n = 1; n <= QcOption::Count; ++n) {
        auto* box = new QCheckBox(QStringLiteral("%1)").arg(n), ui->groupBox_select_opt_qc);
        box->setObjectName(QStringLiteral("checkBox_opt_qc_%1").arg(n));
        box->setChecked(!((quint32(m_optEnable) >> n) & 1u));
        grid->addWidget(box, (n - 1) / 5, (n - 1) % 5);
        connect(box, &QCheckBox::clicked, this, [this, n](bool on) { optChange(n, on); });
    }
    m_editButton = new QPushButton(ui->groupBox_select_opt_qc);
    m_editButton->setObjectName(QStringLiteral("pushButton_edit_qc"));
    m_editButton->setText(QStringLiteral("%1)").arg(int(QcOption::CustomText)) + tr("编辑"));
    m_editButton->setMinimumSize(100, 30);
    grid->addWidget(m_editButton, 3, 0, 1, 5, Qt::AlignLeft);
    connect(m_editButton, &QPushButton::clicked, this, &PrintPreviewQc::slot_clickedCustomEdit);
}

void PrintPreviewQc::initButtonGroups(int chart, int paper)
{
    m_chartGroup.addButton(ui->radioButton_chart_qc, 0);
    m_chartGroup.addButton(ui->radioButton_arrow_qc, 1);
    (chart == 1 ? ui->radioButton_arrow_qc : ui->radioButton_chart_qc)->setChecked(true);
    m_paperGroup.addButton(ui->radioButton_qc_a5, 1);
    m_paperGroup.addButton(ui->radioButton_qc_a4, 2);
    (paper == 1 ? ui->radioButton_qc_a5 : ui->radioButton_qc_a4)->setChecked(true);
    auto refreshOnSelect = [this](int, bool checked) {
        if (checked)
            refreshPreview();
    };
    connect(&m_chartGroup, &QButtonGroup::idToggled, this, refreshOnSelect);
    connect(&m_paperGroup, &QButtonGroup::idToggled, this, refreshOnSelect);
}

void PrintPreviewQc::optChange(int option, bool on)
{
    qDebug() << "PrintPreview::optChange: opt:" << option << " check:" << (on ? "true" : "false");
    const quint32 bit = quint32(1) << (option & 31);
    m_optEnable = int(on ? quint32(m_optEnable) & ~bit : quint32(m_optEnable) | bit);
    refreshPreview();
}

void PrintPreviewQc::slot_clickedCustomEdit(bool)
{
    dlgEditText editor(m_customText, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    m_customText = editor.resultText();
    refreshPreview();
}

void PrintPreviewQc::refreshPreview()
{
    updatePrintReportData(m_chartGroup.checkedId(), m_paperGroup.checkedId(), m_optEnable);
}

void PrintPreviewQc::updatePrintReportData(int chart, int paper, int optionMask)
{
    // The page shown stays (with the printer its preview paints with) until a new one is shown.
    auto next = std::make_unique<qcPreviewPage>();
    qcPreviewPage& page = *next;
    page.chartMode = chart == 0;
    page.paperMode = paper;
    page.language = getLanguage();
    page.optionMask = optionMask;
    page.fontSize = ui->spinBox_qc_fontsize->value();

    QVector<ReportItem> rows;
    if (!PrintTemplateSample::load(&rows))
        return;
    page.reportItems = rows;
    page.qcProduct = 1;
    page.customText = m_customText;
    page.showPreview(ui->wgt_print_template_qc);
    delete m_previewPage;
    m_previewPage = next.release();
}

void PrintPreviewQc::on_pushButton_qc_save_clicked()
{
    QcPrintOptions o;
    o.chart = m_chartGroup.checkedId();
    o.paper = m_paperGroup.checkedId();
    o.optEnable = m_optEnable;
    o.customText = m_customText;
    o.fontSize = ui->spinBox_qc_fontsize->value();
    if (!PrintSettings::writeQc(o)) {
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("保存失败"), 1, 0, true);
        return;
    }
    MyMessageBox::showMyMessageBox(this, tr("成功"), tr("保存成功"), 1, 0, true);
}

void PrintPreviewQc::on_pushButton_upload_logo_qc_clicked()
{
    const QString name = QFileDialog::getOpenFileName(this, tr("Open File"), QString(), QStringLiteral("Images (*.png *.jpg)"));
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return;
    // The logo itself chosen again is kept; any copy goes through a temporary file.
    replaceFile(name, QDir::currentPath() + QStringLiteral("/print_logo.png"));
    refreshPreview();
    emit signal_logoChange();
}

void PrintPreviewQc::on_pushButton_fontsize_qc_clicked()
{
    refreshPreview();
}

void PrintPreviewQc::showEvent(QShowEvent* event)
{
    refreshPreview();
    QWidget::showEvent(event);
}

void PrintPreviewQc::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (m_editButton)
            m_editButton->setText(QStringLiteral("%1)").arg(int(QcOption::CustomText)) + tr("编辑"));
    }
    QWidget::changeEvent(event);
}
