#include "PrintPreview.h"
#include "PrintPreviewQc.h"

#include "ui_PrintPreview.h"

#include "MyMessageBox.h"
#include "PrintSettings.h"
#include "PrintTemplateSample.h"
#include "SystemSettings.h"
#include "chkPreviewPage.h"
#include "dlgEditText.h"
#include "replaceFile.h"

#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kOptionCount = 24;      // numbered parts of the test report
constexpr int kCustomTextOption = 24; // the custom statement
constexpr int kOptionsPerRow = 5;
}

PrintPreview::PrintPreview(QWidget* parent) : baseDlg(parent), ui(new Ui::PrintPreview)
{
    ui->setupUi(this);
    ui->radioButton_6->hide();
    ui->tabWidget->setCurrentIndex(0);
    setWindowTitle(tr("打印设置"));
    setWindowState(windowState() | Qt::WindowMaximized);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    QTimer::singleShot(1, this, &PrintPreview::loadSettings);

    // The QC page (tab_qc) uploads to the same logo: both previews show the current one.
    connect(ui->tab_qc, &PrintPreviewQc::signal_logoChange, this, &PrintPreview::slot_logoChange);
}

PrintPreview::~PrintPreview()
{
    // The preview widget draws through the page's printer: take it out first.
    chkPreviewPage::clearHost(ui->wgt_print_template);
    delete m_previewPage;
    m_previewPage = nullptr;
    m_pendingLogo = nullptr;   // a pending logo copy is dropped
    delete ui;
}

void PrintPreview::retranslate()
{
    ui->retranslateUi(this);
    applyCodeTexts();
}

void PrintPreview::applyCodeTexts()
{
    setWindowTitle(tr("打印设置"));
    if (auto* edit = ui->groupBox_select_opt->findChild<QPushButton*>(QStringLiteral("pushButton_customEdit")))
        edit->setText(QStringLiteral("%1)").arg(kCustomTextOption) + tr("编辑"));
}

void PrintPreview::loadSettings()
{
    if (m_loaded)
        return;
    m_loaded = true;
    setWindowIcon(QIcon(QStringLiteral(":/images/setting.png")));

    const TestPrintOptions o = PrintSettings::readTest();
    m_optEnable = o.optEnable;
    m_customText = o.customText;
    m_customDefault = o.customDefault;
    ui->spinBox_fontsize->setValue(o.fontSize);

    updatePrintReportData(o.chart, o.paper, m_optEnable);
    initButtonGroups(o.chart, o.paper);

    // At least 300 px; wider only where a translation needs it.
    ui->frame_set->setMinimumWidth(300);
    if (!ui->frame_set_sub->layout()) {
        auto* box = new QVBoxLayout(ui->frame_set_sub);
        box->setContentsMargins(0, 0, 0, 0);
        box->addWidget(ui->groupBox_2);
        box->addWidget(ui->groupBox_3);
        box->addWidget(ui->frame_logo_btns);
        box->addWidget(ui->groupBox_select_opt);
    }

    auto* grid = new QGridLayout(ui->groupBox_select_opt);
    grid->setHorizontalSpacing(4);
    for (int n = 1; n <= kOptionCount; ++n) {
        auto* box = new QCheckBox(QStringLiteral("%1)").arg(n), ui->groupBox_select_opt);
        box->setObjectName(QStringLiteral("checkBox_opt_%1").arg(n));
        box->setChecked(!(m_optEnable & (1 << n)));
        grid->addWidget(box, (n - 1) / kOptionsPerRow, (n - 1) % kOptionsPerRow);
        connect(box, &QCheckBox::clicked, this, [this, n](bool on) { optChange(n, on); });
    }
    auto* edit = new QPushButton(ui->groupBox_select_opt);
    edit->setObjectName(QStringLiteral("pushButton_customEdit"));
    edit->setMinimumSize(100, 30);
    grid->addWidget(edit, (kOptionCount - 1) / kOptionsPerRow + 1, 0, 1, kOptionsPerRow, Qt::AlignLeft);
    connect(edit, &QPushButton::clicked, this, &PrintPreview::slot_clickedCustomEdit);
    applyCodeTexts();
    updateToolTips();
}

void PrintPreview::initButtonGroups(int chart, int paper)
{
    m_chartGroup.addButton(ui->radioButton, 0);
    m_chartGroup.addButton(ui->radioButton_2, 1);
    (chart == 1 ? ui->radioButton_2 : ui->radioButton)->setChecked(true);

    m_paperGroup.addButton(ui->radioButton_3, 0);
    m_paperGroup.addButton(ui->radioButton_4, 1);
    m_paperGroup.addButton(ui->radioButton_5, 2);
    m_paperGroup.addButton(ui->radioButton_6, 3);
    QRadioButton* paperRadio = ui->radioButton_4;
    if (paper == 0)
        paperRadio = ui->radioButton_3;
    else if (paper == 2)
        paperRadio = ui->radioButton_5;
    else if (paper == 3)
        paperRadio = ui->radioButton_6;
    paperRadio->setChecked(true);

    // Connected only now: selecting the stored radios does not rebuild the preview.
    auto onToggled = [this](int, bool checked) {
        if (checked)
            refreshPreview();
    };
    connect(&m_chartGroup, &QButtonGroup::idToggled, this, onToggled);
    connect(&m_paperGroup, &QButtonGroup::idToggled, this, onToggled);
}

void PrintPreview::optChange(int option, bool on)
{
    qDebug() << "PrintPreview::optChange: opt:" << option << " check:" << (on ? "true" : "false");
    if (option < 1 || option > kOptionCount)
        return;
    if (on)
        m_optEnable &= ~(1 << option);
    else
        m_optEnable |= (1 << option);
    refreshPreview();
}

void PrintPreview::refreshPreview()
{
    updatePrintReportData(m_chartGroup.checkedId(), m_paperGroup.checkedId(), m_optEnable);
}

void PrintPreview::updatePrintReportData(int chart, int paper, int optionMask)
{
    QWidget* host = ui->wgt_print_template;
    chkPreviewPage::clearHost(host);
    delete m_previewPage;
    m_previewPage = nullptr;

    if (m_pendingLogo) {
        const std::function<void()> copy = m_pendingLogo;
        m_pendingLogo = nullptr;
        copy();
    }

    m_previewPage = new chkPreviewPage();
    chkPreviewPage& page = *m_previewPage;
    page.chartMode = chart == 0;
    page.paperMode = paper;
    page.language = getLanguage();
    page.optionMask = optionMask;
    page.fontSize = ui->spinBox_fontsize->value();
    page.printClinical = paper == 3;

    QVector<ReportItem> rows;
    if (!PrintTemplateSample::load(&rows))
        return;
    page.reportItems = rows;
    page.patientInfo.customText = m_customText;
    page.ageText = QCoreApplication::translate("T", "岁");
    page.showPreview(host);
}

bool PrintPreview::uploadLogo(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    // Copied at the next build, after the old preview has let go of the old logo.
    m_pendingLogo = [path]() {
        replaceFile(path, QDir::currentPath() + QStringLiteral("/print_logo.png"));
    };
    refreshPreview();
    return true;
}

void PrintPreview::on_pushButton_clicked()
{
    if (!m_loaded)
        return;
    TestPrintOptions o;
    o.chart = m_chartGroup.checkedId();
    o.paper = m_paperGroup.checkedId();
    o.optEnable = m_optEnable;
    o.customText = m_customText;
    o.customDefault = m_customDefault;
    o.fontSize = ui->spinBox_fontsize->value();
    if (!PrintSettings::writeTest(o)) {
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("保存失败"), MyMessageBox::Warning, 0, true);
        return;
    }
    MyMessageBox::showMyMessageBox(this, tr("成功"), tr("保存成功"), MyMessageBox::Warning, 0, true);
}

void PrintPreview::on_pushButton_upload_logo_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open File"), QString(),
                                                      QStringLiteral("Images (*.png *.jpg)"));
    uploadLogo(path);
}

void PrintPreview::slot_clickedCustomEdit(bool)
{
    dlgEditText editor(m_customText, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    m_customText = editor.resultText();
    m_customDefault = false;
    refreshPreview();
}

void PrintPreview::on_pushButton_2_clicked()
{
    refreshPreview();
}

void PrintPreview::slot_logoChange()
{
    refreshPreview();
}
