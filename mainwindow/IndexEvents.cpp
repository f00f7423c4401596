// Window events and the small commands around them.
#include "Index.h"
#include "ui_Index.h"

#include "PcComData.h"
#include "SystemSettings.h"
#include "MyMessageBox.h"
#include "dlgAiResult.h"
#include "dlgLoading.h"
#include "dlgLogin.h"

#include <QKeyEvent>
#include <QSerialPort>
#include <QSerialPortInfo>

void Index::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        buildDataMenu();
        const bool modeShown = !ui->modelabel->text().isEmpty();
        ui->retranslateUi(this);
        // The form's text is the closed link's: show the link as it is.
        showLinkButton(m_isPortOpen ? LinkButton::Disconnect
                       : m_linkButton == LinkButton::Disconnect ? LinkButton::Connect : m_linkButton);
        setListHeaders();
        applyShortcuts();
        retranslateDetailNames();
        initComboBox();
        if (modeShown)
            showModeLabel();
        refreshTable();
        refreshQcTab();
        setLocaleByLanguage(getLanguage());
    }
    QMainWindow::changeEvent(event);
}

void Index::closeEvent(QCloseEvent* event)
{
    PcComData::getInstance()->stopScanPort();
    QMainWindow::closeEvent(event);
}

void Index::resizeEvent(QResizeEvent* event)
{
    dlgLoading::getInstance()->resize(width(), height());
    if (m_login)
        m_login->setGeometry(0, 0, width(), height());
    QMainWindow::resizeEvent(event);
}

void Index::moveEvent(QMoveEvent* event)
{
    dlgLoading::getInstance()->move(pos());
    QMainWindow::moveEvent(event);
}

void Index::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F6)
        emit signal_F6();
    QMainWindow::keyPressEvent(event);
}

void Index::slot_reopenApp()
{
    if (isMinimized()) {
        showMaximized();
    } else if (isMaximized()) {
        showMinimized();
        showMaximized();
    } else {
        showMinimized();
        showNormal();
    }
}

void Index::RefreshTimer()
{
    ui->cmbPortName->clear();
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
        QSerialPort port;
        port.setPort(info);
        if (port.open(QIODevice::ReadWrite)) {
            if (ui->cmbPortName->findText(port.portName(), Qt::MatchExactly) < 0)
                ui->cmbPortName->addItem(port.portName());
            port.close();
        }
        ui->okButton->setEnabled(true);
    }
}

void Index::RefreshTimeout()
{
    if (!m_isPortOpen)
        RefreshTimer();
}

// AI analysis of the current result: a kept answer is shown as it is; otherwise the server is
// asked and a complete answer is kept with the result. A failed or partial answer keeps nothing.
void Index::on_pushButton_AI_clicked()
{
    if (!ui->tableWidget->selectionModel()->hasSelection())
        return;
    QVector<PanelChkRecord> rows;
    m_indexdb.queryById(m_currentId, &rows);
    if (rows.isEmpty())
        return;
    PanelChkRecord record = rows.first();
    dlgAiResult dialog(this);
    if (!record.aiResult.isEmpty()) {
        dialog.showText(record.aiResult);
        dialog.exec();
        return;
    }
    dialog.startAiReq(record.panelindex, record.panelid, record.panellot, record.testresults);
    dialog.exec();
    const QString answer = dialog.completeAnswer();
    if (answer.isEmpty())
        return;
    // Read again: only the answer is added to the result as it stands now.
    rows.clear();
    m_indexdb.queryById(QString::number(record.id), &rows);
    if (rows.isEmpty())
        return;
    record = rows.first();
    record.aiResult = answer;
    if (!m_indexdb.updateData(record))
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("AI分析结果保存失败"), 1, 0, true);
}
