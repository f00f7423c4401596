#include "User.h"
#include "ui_User.h"

#include "MyMessageBox.h"
#include "dataAccess.h"

#include <QStandardItemModel>

User::User(QWidget* parent) : baseDlg(parent), ui(new Ui::User), m_model(new QStandardItemModel(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dataAccess::getInstance()->open(connectionName(), QStringLiteral("database.db3"),
                                    QStringLiteral(":/DB/Chinese/database.db3"));
    m_userdb = new Userdb(this, connectionName());
    ui->tableView->setModel(m_model);
    ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    ui->tableView->verticalHeader()->hide();
    connect(ui->pushButton_close, &QPushButton::clicked, this, &QDialog::accept);
    reload();
}

User::~User()
{
    delete ui;
}

void User::retranslate()
{
    ui->retranslateUi(this);
    reload();
}

void User::reload()
{
    m_users.clear();
    m_userdb->queryAll(&m_users);
    m_model->clear();
    m_model->setHorizontalHeaderLabels({tr("设备编号"), tr("设备密码")});
    for (const UserEntry& u : qAsConst(m_users)) {
        auto* name = new QStandardItem(u.devicename);
        // The password is not shown, only that there is one.
        auto* password = new QStandardItem(QString(qMin(u.devicepassword.size(), 12), QChar(0x2022)));
        m_model->appendRow({name, password});
    }
    ui->tableView->resizeColumnToContents(0);
}

void User::on_pushButton_add_clicked()
{
    const QString name = ui->lineEdit_devicename->text().trimmed();
    const QString password = ui->lineEdit_password->text();
    if (name.isEmpty() || password.isEmpty()) {
        MyMessageBox::showMyMessageBox(this, tr("提示"), tr("请输入设备编号和密码！"), 1, 2, true);
        return;
    }
    for (const UserEntry& u : qAsConst(m_users)) {
        if (u.devicename == name) {
            MyMessageBox::showMyMessageBox(this, tr("提示"), tr("该设备账号已存在！"), 1, 2, true);
            return;
        }
    }
    UserEntry entry;
    entry.devicename = name;
    entry.devicepassword = password;
    if (!MyMessageBox::showSaveResult(this, m_userdb->insertData(entry)))
        return;
    ui->lineEdit_devicename->clear();
    ui->lineEdit_password->clear();
    reload();
}

void User::on_pushButton_delete_clicked()
{
    const QModelIndexList rows = ui->tableView->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= m_users.size()) {
        MyMessageBox::showMyMessageBox(this, tr("提示"), tr("请先选择要删除的账号！"), 1, 2, true);
        return;
    }
    const UserEntry user = m_users.at(rows.first().row());
    if (MyMessageBox::showMyMessageBox(this, tr("提示"), tr("确认删除设备账号 %1 吗？").arg(user.devicename), 2, 1,
                                       true) != 0)
        return;
    if (!m_userdb->deleteById(user.id))
        MyMessageBox::showMyMessageBox(this, tr("失败"), tr("删除失败"), 1, 2, true);
    reload();
}
