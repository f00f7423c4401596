#pragma once
#include <QDialog>
#include <QPixmap>
#include <QString>

namespace Ui { class dlgLogin; }

// The start-up login: a frameless window kept on top that hides itself once the administrator
// password is typed, or quits the program.
class dlgLogin : public QDialog
{
    Q_OBJECT
public:
    explicit dlgLogin(QWidget* parent = nullptr);
    ~dlgLogin() override;

    // Writes "login.png" in the working folder, the picture blurred, when the file is missing.
    static void makeLoginBackground(const QPixmap& picture);
    static QString backgroundFile();

    void setHint(const QString& hint);

    // The expected password; empty until the caller sets it. While it is empty every entry is
    // refused.
    QString m_password;

public slots:
    // Neither Escape nor a close from the window system gets past the login.
    void reject() override;

private slots:
    void on_pushButton_login_clicked();
    void on_pushButton_quit_clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Ui::dlgLogin* ui;
    QPixmap m_background;
    QString m_hint;
};
