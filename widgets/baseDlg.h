#pragma once
#include <QDialog>

// Base of the program's dialogs: re-applies its texts on a language change (retranslate) and
// copies the text of every label and push button into its tooltip, so that texts cut short
// by a long translation can still be read.
class baseDlg : public QDialog
{
    Q_OBJECT
public:
    explicit baseDlg(QWidget* parent = nullptr);

    // Re-applies the dialog's texts; subclasses call their form's retranslateUi here.
    virtual void retranslate();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void updateToolTips();
};
