#pragma once
#include "baseDlg.h"

namespace Ui {
class dlgEditText;
}

// Modal editor of a plain text. exec() returns Accepted on OK; resultText() then holds the text.
class dlgEditText : public baseDlg
{
    Q_OBJECT
public:
    dlgEditText(const QString& text, QWidget* parent = nullptr);
    ~dlgEditText() override;

    QString resultText() const { return m_resultText; }
    void retranslate() override;

private:
    Ui::dlgEditText* ui;
    QString m_resultText;
};
