#pragma once
#include "baseDlg.h"
#include "Userdb.h"

class QStandardItemModel;

namespace Ui {
class User;
}

// The device accounts (analyzer serial number and password) that give access to the cloud.
// They are kept in the network database ("database.db3"), where the network import reads
// them, whatever the acquisition mode is when the dialog is open.
class User : public baseDlg
{
    Q_OBJECT
public:
    explicit User(QWidget* parent = nullptr);
    ~User() override;

    void retranslate() override;
    static QString connectionName() { return QStringLiteral("network_accounts"); }

private slots:
    void on_pushButton_add_clicked();
    void on_pushButton_delete_clicked();

private:
    void reload();

    Ui::User* ui;
    QStandardItemModel* m_model;
    Userdb* m_userdb;
    QVector<UserEntry> m_users;
};
