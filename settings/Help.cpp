#include "Help.h"

#include "SystemSettings.h"
#include "ui_Help.h"

#include <QFile>
#include <QIcon>

Help::Help(QWidget* parent) : baseDlg(parent), ui(new Ui::Help)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint) & ~Qt::WindowContextHelpButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/logo.ico")));
    connect(ui->pushButton_close, &QPushButton::clicked, this, &QDialog::accept);
    loadText();
}

Help::~Help()
{
    delete ui;
}

QString Help::helpFile(const QString& language)
{
    if (language == QLatin1String("Chinese"))
        return QStringLiteral(":/README.md");
    if (language == QLatin1String("Italian"))
        return QStringLiteral(":/README.it.md");
    return QStringLiteral(":/README.en.md");
}

void Help::loadText()
{
    QFile file(helpFile(getLanguage()));
    if (file.open(QIODevice::ReadOnly))
        ui->textBrowser->setMarkdown(QString::fromUtf8(file.readAll()));
}

void Help::retranslate()
{
    ui->retranslateUi(this);
    loadText();
}
