#include "Language.h"

#include "MyMessageBox.h"
#include "SystemSettings.h"
#include "ui_Language.h"

Language::Language(QWidget* parent) : baseDlg(parent), ui(new Ui::Language)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    fillLanguages();
    connect(ui->pushButton_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

Language::~Language()
{
    delete ui;
}

void Language::fillLanguages()
{
    // Each language is named in itself, so that anyone can find their own.
    static const QStringList names = {QStringLiteral("中文"),     QStringLiteral("English"),
                                      QStringLiteral("Italiano"), QStringLiteral("Français"),
                                      QStringLiteral("Português"), QStringLiteral("Русский"),
                                      QStringLiteral("Español"),  QStringLiteral("Türkçe")};
    const QStringList keys = knownLanguages();
    ui->comboBox_language->clear();
    for (int i = 0; i < keys.size(); ++i)
        ui->comboBox_language->addItem(names.value(i, keys[i]), keys[i]);
    ui->comboBox_language->setCurrentIndex(qMax(0, keys.indexOf(getLanguage())));
}

void Language::retranslate()
{
    const int index = ui->comboBox_language->currentIndex();
    ui->retranslateUi(this);
    ui->comboBox_language->setCurrentIndex(index);
}

void Language::on_pushButton_save_clicked()
{
    const QString key = ui->comboBox_language->currentData().toString();
    if (MyMessageBox::showSaveResult(this, setLanguage(key)))
        accept();
}
