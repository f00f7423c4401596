#include "dlgEditText.h"

#include "ui_dlgEditText.h"

dlgEditText::dlgEditText(const QString& text, QWidget* parent)
    : baseDlg(parent), ui(new Ui::dlgEditText)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->plainTextEdit->setPlainText(text);
    connect(ui->pushButton_ok, &QPushButton::clicked, this, [this]() {
        m_resultText = ui->plainTextEdit->toPlainText();
        accept();
    });
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

dlgEditText::~dlgEditText()
{
    delete ui;
}

void dlgEditText::retranslate()
{
    const QString text = ui->plainTextEdit->toPlainText();
    ui->retranslateUi(this);
    ui->plainTextEdit->setPlainText(text);
}
