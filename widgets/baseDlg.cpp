#include "baseDlg.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

baseDlg::baseDlg(QWidget* parent) : QDialog(parent) {}

void baseDlg::retranslate() {}

void baseDlg::updateToolTips()
{
    for (QLabel* label : findChildren<QLabel*>())
        label->setToolTip(label->text());
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setToolTip(button->text());
}

void baseDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        updateToolTips();
    }
    QDialog::changeEvent(event);
}

void baseDlg::showEvent(QShowEvent* event)
{
    updateToolTips();
    QDialog::showEvent(event);
}
