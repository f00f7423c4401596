#pragma once
#include <QMainWindow>

class QLabel;

// The program's window until the main window takes its place: the wordmark and the title.
class PlaceholderWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit PlaceholderWindow(QWidget* parent = nullptr);

public slots:
    // Brings the window forward (another start of the program asked for it).
    void slot_reopenApp();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QLabel* m_label = nullptr;
};
