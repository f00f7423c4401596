#include "dlgLogin.h"
#include "ui_dlgLogin.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QGraphicsBlurEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QSaveFile>

dlgLogin::dlgLogin(QWidget* parent) : QDialog(parent), ui(new Ui::dlgLogin)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // Shown modeless, but nothing else takes input until the password is given.
    setWindowModality(Qt::ApplicationModal);
    ui->lineEdit_password->setEchoMode(QLineEdit::Password);
    m_background.load(backgroundFile());
}

dlgLogin::~dlgLogin()
{
    delete ui;
}

QString dlgLogin::backgroundFile()
{
    return QDir::currentPath() + "/" + "login.png";
}

void dlgLogin::makeLoginBackground(const QPixmap& picture)
{
    const QString path = backgroundFile();
    if (QFile::exists(path))
        return;
    if (picture.isNull()) {
        qDebug() << "dlgLogin::makeLoginBackground no picture";
        return;
    }

    QGraphicsScene scene;
    auto* item = new QGraphicsPixmapItem(picture);
    auto* blur = new QGraphicsBlurEffect;
    blur->setBlurRadius(50);
    item->setGraphicsEffect(blur);
    scene.addItem(item);

    QImage out(picture.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    {
        QPainter painter(&out);
        scene.render(&painter, QRectF(), QRectF(0, 0, picture.width(), picture.height()));
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !out.save(&file, "PNG") || !file.commit())
        qDebug() << "dlgLogin::makeLoginBackground cannot write" << path;
}

void dlgLogin::setHint(const QString& hint)
{
    m_hint = hint;
    ui->label_hint->setText(tr("密码提示") + ":" + hint);
}

void dlgLogin::on_pushButton_login_clicked()
{
    // No expected password (it could not be read): nothing opens the program, an empty entry
    // least of all.
    if (m_password.isEmpty())
        qDebug() << "dlgLogin: no administrator password, login refused";
    else if (ui->lineEdit_password->text() == m_password) {
        ui->label_error->clear();
        ui->lineEdit_password->clear();
        hide();
        return;
    }
    ui->label_error->setText(tr("密码错误"));
    ui->lineEdit_password->selectAll();
    ui->lineEdit_password->setFocus();
}

void dlgLogin::on_pushButton_quit_clicked()
{
    QApplication::quit();
}

void dlgLogin::reject() {}

void dlgLogin::paintEvent(QPaintEvent* event)
{
    if (m_background.isNull())
        m_background.load(backgroundFile());
    if (!m_background.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(rect(), m_background);
    }
    QDialog::paintEvent(event);
}

void dlgLogin::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (!m_hint.isNull())
            setHint(m_hint);
        if (!ui->label_error->text().isEmpty())
            ui->label_error->setText(tr("密码错误"));
    }
    QDialog::changeEvent(event);
}
