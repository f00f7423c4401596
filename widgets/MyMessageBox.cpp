#include "MyMessageBox.h"

#include "ui_MyMessageBox.h"

#include <QPixmap>
#include <QPointer>

MyMessageBox::MyMessageBox(QWidget* parent) : baseDlg(parent), ui(new Ui::MyMessageBox)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    connect(ui->pushButton_ok, &QPushButton::clicked, this, [this]() { accept(); });
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, [this]() { reject(); });
}

MyMessageBox::~MyMessageBox()
{
    delete ui;
}

void MyMessageBox::setIconType(int iconType)
{
    const char* file = nullptr;
    switch (iconType) {
    case Information: file = ":/MessageBox/images/information.png"; break;
    case Warning: file = ":/MessageBox/images/warning.png"; break;
    case Question: file = ":/MessageBox/images/question.png"; break;
    default: break;
    }
    ui->label_icon->setVisible(file != nullptr);
    ui->label_icon->setPixmap(file ? QPixmap(QString::fromLatin1(file)) : QPixmap());
}

void MyMessageBox::setMessage(const QString& text)
{
    ui->label_text->setText(text);
}

void MyMessageBox::setButtonTexts(const QString& okText, const QString& cancelText)
{
    m_okText = okText;
    m_cancelText = cancelText;
    if (!okText.isEmpty())
        ui->pushButton_ok->setText(okText);
    if (!cancelText.isEmpty())
        ui->pushButton_cancel->setText(cancelText);
}

void MyMessageBox::setCancelVisible(bool visible)
{
    ui->pushButton_cancel->setVisible(visible);
}

void MyMessageBox::retranslate()
{
    const QString title = windowTitle();
    const QString text = ui->label_text->text();
    ui->retranslateUi(this);
    setWindowTitle(title);
    setMessage(text);
    setButtonTexts(m_okText, m_cancelText);
}

int MyMessageBox::run(MyMessageBox* box, bool modal)
{
    if (!modal) {
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
        return -1;
    }
    box->setWindowModality(Qt::ApplicationModal);
    QPointer<MyMessageBox> guard(box);
    const int result = box->exec() == QDialog::Accepted ? 0 : -1;
    delete guard.data();
    return result;
}

MyMessageBox* MyMessageBox::create(QWidget* parent, const QString& title, const QString& text,
                                   int iconType)
{
    auto* box = new MyMessageBox(parent);
    box->setWindowTitle(title);
    box->setMessage(text);
    box->setIconType(iconType);
    return box;
}

int MyMessageBox::showMyMessageBox(QWidget* parent, const QString& title, const QString& text,
                                   int iconType, int buttonType, bool modal)
{
    MyMessageBox* box = create(parent, title, text, iconType);
    box->setCancelVisible(buttonType == 1);
    return run(box, modal);
}

int MyMessageBox::showMyMessageBoxWithText(QWidget* parent, const QString& title,
                                           const QString& text, const QString& okText,
                                           const QString& cancelText, int iconType, bool modal)
{
    MyMessageBox* box = create(parent, title, text, iconType);
    box->setButtonTexts(okText, cancelText);
    box->setCancelVisible(!cancelText.isEmpty());
    return run(box, modal);
}

bool MyMessageBox::showSaveResult(QWidget* parent, bool saved)
{
    if (saved)
        showMyMessageBox(parent, tr("提示"), tr("保存成功"), Information, 0, true);
    else
        showMyMessageBox(parent, tr("警告"), tr("保存失败"), Warning, 0, true);
    return saved;
}
