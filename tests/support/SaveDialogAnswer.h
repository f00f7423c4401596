#pragma once
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Answers the next file dialog that opens while it lives by typing the file name and pressing
// Save (or Open), as a user does (and confirms replacing an existing file); an empty name
// cancels it. Keeps the dialog's caption and selected filter.
class SaveDialogAnswer : public QObject
{
public:
    explicit SaveDialogAnswer(const QString& file) : m_file(file)
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() {
            // The dialog's question whether to replace an existing file: yes.
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box && box->isVisible() && box->button(QMessageBox::Yes) && answered && !confirmedReplace) {
                    confirmedReplace = true;
                    QTimer::singleShot(0, box->button(QMessageBox::Yes), &QAbstractButton::click);
                }
            }
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dlg = qobject_cast<QFileDialog*>(w);
                if (!dlg || !dlg->isVisible() || answered)
                    continue;
                answered = true;
                filter = dlg->selectedNameFilter();
                caption = dlg->windowTitle();
                if (m_onShown)
                    m_onShown();
                auto* edit = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                auto* buttons = dlg->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
                if (!edit || !buttons || m_file.isEmpty()) {
                    dlg->reject();
                    continue;
                }
                edit->setText(m_file);
                // Clicked from the event loop, so that a question the dialog asks is answered too.
                QPushButton* accept = buttons->button(QDialogButtonBox::Save);
                if (!accept)
                    accept = buttons->button(QDialogButtonBox::Open);
                QTimer::singleShot(0, accept, &QAbstractButton::click);
            }
        });
        m_timer.start(20);
    }
    // Runs while the dialog is shown, before it is answered.
    void onShown(std::function<void()> f) { m_onShown = std::move(f); }

    QString filter;
    QString caption;
    bool answered = false;
    bool confirmedReplace = false;

private:
    QString m_file;
    QTimer m_timer;
    std::function<void()> m_onShown;
};
