#pragma once
#include "MyMessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

// Answers every MyMessageBox that opens while it lives: presses OK, or Cancel while `answerOk`
// is false, and records each box's text and title.
class MessageBoxCloser : public QObject
{
public:
    explicit MessageBoxCloser(bool answerOk = true) : answerOk(answerOk)
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() { poll(); });
        m_timer.start(20);
    }

    bool answerOk;
    QStringList texts;
    QStringList titles;

private:
    void poll()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<MyMessageBox*>(w);
            if (!box || !box->isVisible() || box->property("answered").toBool())
                continue;
            box->setProperty("answered", true);
            texts << box->findChild<QLabel*>("label_text")->text();
            titles << box->windowTitle();
            box->findChild<QPushButton*>(answerOk ? "pushButton_ok" : "pushButton_cancel")->click();
        }
    }
    QTimer m_timer;
};
