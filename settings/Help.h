#pragma once
#include "baseDlg.h"

namespace Ui {
class Help;
}

// Shows how to use the program, in Chinese, English or Italian by the current language
// (":/README.md", ":/README.en.md", ":/README.it.md"; English for the other languages).
class Help : public baseDlg
{
    Q_OBJECT
public:
    explicit Help(QWidget* parent = nullptr);
    ~Help() override;

    void retranslate() override;
    // The help text resource for a language key.
    static QString helpFile(const QString& language);

private:
    void loadText();
    Ui::Help* ui;
};
