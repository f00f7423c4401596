#pragma once
#include "baseDlg.h"

namespace Ui {
class MyMessageBox;
}

// The program's message box. Icon types: 0 information, 1 warning, 2 question, 3 none.
// Button type 1 shows "确定" and "取消", any other type "确定" only.
class MyMessageBox : public baseDlg
{
    Q_OBJECT
public:
    enum IconType { Information = 0, Warning = 1, Question = 2, NoIcon = 3 };

    explicit MyMessageBox(QWidget* parent = nullptr);
    ~MyMessageBox() override;

    // Modal: runs the box application-modal and returns 0 for OK, -1 for Cancel (or closing).
    // Not modal: shows the box (it deletes itself when closed) and returns -1 at once.
    static int showMyMessageBox(QWidget* parent, const QString& title, const QString& text,
                                int iconType, int buttonType, bool modal);
    // The same with button texts of the caller's choice; an empty cancel text shows OK only.
    static int showMyMessageBoxWithText(QWidget* parent, const QString& title,
                                        const QString& text, const QString& okText,
                                        const QString& cancelText, int iconType, bool modal);

    // Tells the user how a save went: "保存成功" (information) when `saved`, else "保存失败"
    // (warning), modal with OK only. Returns `saved`.
    static bool showSaveResult(QWidget* parent, bool saved);

    void setIconType(int iconType);
    void setMessage(const QString& text);
    void setButtonTexts(const QString& okText, const QString& cancelText);
    void setCancelVisible(bool visible);

    void retranslate() override;

private:
    static MyMessageBox* create(QWidget* parent, const QString& title, const QString& text,
                                int iconType);
    static int run(MyMessageBox* box, bool modal);

    Ui::MyMessageBox* ui;
    QString m_okText;
    QString m_cancelText;
};
