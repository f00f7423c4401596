#include "dlgSetProjectGroup.h"

#include "MyMessageBox.h"
#include "SystemSettings.h"
#include "Translateword.h"
#include "ui_dlgSetProjectGroup.h"

#include <QEvent>
#include <QListWidgetItem>
#include <algorithm>

namespace {
// Analyte codes in the order of their rows in the word table.
QStringList analyteCodes()
{
    QList<QPair<int, QString>> rows;
    for (auto it = analyteIdMap.constBegin(); it != analyteIdMap.constEnd(); ++it)
        rows.append({it.value(), it.key()});
    std::sort(rows.begin(), rows.end());
    QStringList codes;
    for (const auto& row : qAsConst(rows))
        codes << row.second;
    return codes;
}
} // namespace

dlgSetProjectGroup::dlgSetProjectGroup(QWidget* parent)
    : QDialog(parent), ui(new Ui::dlgSetProjectGroup)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/setting.png")));
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &QDialog::reject);
    fillPanels();
}

dlgSetProjectGroup::~dlgSetProjectGroup()
{
    delete ui;
}

void dlgSetProjectGroup::fillPanels()
{
    const QSignalBlocker blocker(ui->comboBox_panel);
    const int current = m_currentPanel;
    ui->comboBox_panel->clear();
    for (auto it = panelIndexMap.constBegin(); it != panelIndexMap.constEnd(); ++it) {
        const QString name = Translateword::getInstance()->transByIndex(it.value());
        ui->comboBox_panel->addItem(name.isEmpty() ? QString::number(it.key()) : name, it.key());
    }
    const int index = qMax(0, ui->comboBox_panel->findData(current));
    ui->comboBox_panel->setCurrentIndex(index);
    m_currentPanel = -1;
    showPanel(ui->comboBox_panel->itemData(index).toInt());
}

void dlgSetProjectGroup::showPanel(int panelId)
{
    if (!m_hidden.contains(panelId))
        m_hidden.insert(panelId, getHiddenAnalytes(panelId));
    const QStringList hidden = m_hidden.value(panelId);
    ui->listWidget_items->clear();
    for (const QString& code : analyteCodes()) {
        const QString name = Translateword::getInstance()->transByKey(code);
        auto* item = new QListWidgetItem(name.isEmpty() ? code : code + QStringLiteral("  ") + name,
                                         ui->listWidget_items);
        item->setData(Qt::UserRole, code);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(hidden.contains(code) ? Qt::Checked : Qt::Unchecked);
    }
    m_currentPanel = panelId;
}

void dlgSetProjectGroup::keepCurrentPanel()
{
    if (m_currentPanel < 0)
        return;
    // Codes this program does not list stay hidden as they were stored.
    const QStringList known = analyteCodes();
    QStringList hidden;
    for (const QString& code : m_hidden.value(m_currentPanel))
        if (!known.contains(code))
            hidden << code;
    for (int i = 0; i < ui->listWidget_items->count(); ++i) {
        const QListWidgetItem* item = ui->listWidget_items->item(i);
        if (item->checkState() == Qt::Checked)
            hidden << item->data(Qt::UserRole).toString();
    }
    m_hidden[m_currentPanel] = hidden;
}

void dlgSetProjectGroup::on_comboBox_panel_currentIndexChanged(int index)
{
    keepCurrentPanel();
    showPanel(ui->comboBox_panel->itemData(index).toInt());
}

void dlgSetProjectGroup::on_pushButton_save_clicked()
{
    keepCurrentPanel();
    if (MyMessageBox::showSaveResult(this, setHiddenAnalytes(m_hidden)))
        accept();
}

void dlgSetProjectGroup::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString title = windowTitle();
        ui->retranslateUi(this);
        setWindowTitle(title);
        keepCurrentPanel();
        fillPanels();
    }
    QDialog::changeEvent(event);
}
