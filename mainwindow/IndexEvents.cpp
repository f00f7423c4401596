// Window events and the small commands around them.
#include "Index.h"
#include "ui_Index.h"

#include "PcComData.h"
#include "SystemSettings.h"
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

void Index::on_pushButton_AI_clicked()
{
    // The AI analysis comes with the cloud piece; its button stays hidden.
}
