#include "PlaceholderWindow.h"

#include "SingleInstanceGuard.h"

#include <QDebug>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(QWidget* parent) : QMainWindow(parent)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* logo = new QLabel(central);
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo_qv.png")));
    logo->setAlignment(Qt::AlignCenter);
    m_label = new QLabel(central);
    m_label->setAlignment(Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(logo);
    layout->addWidget(m_label);
    layout->addStretch();
    setCentralWidget(central);
    setWindowIcon(QIcon(QStringLiteral(":/images/logo.ico")));
    resize(800, 500);
    retranslate();
    if (SingleInstanceGuard* guard = SingleInstanceGuard::instance())
        connect(guard, &SingleInstanceGuard::signal_reopenApp, this,
                &PlaceholderWindow::slot_reopenApp);
}

void PlaceholderWindow::retranslate()
{
    setWindowTitle(tr("生化管理平台"));
    m_label->setText(tr("生化管理平台"));
}

void PlaceholderWindow::slot_reopenApp()
{
    qDebug() << "slot_reopenApp";
    if (isMinimized()) {
        showMaximized();
    } else if (isMaximized()) {
        showMinimized();
        showMaximized();
    } else {
        showMinimized();
        showNormal();
    }
    raise();
    activateWindow();
}

void PlaceholderWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}
