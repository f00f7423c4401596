#pragma once
#include <QWidget>

class QLabel;
class QMovie;

// The process-wide busy overlay: a frameless, translucent window that plays
// ":/images/loading.gif" in its middle while the program works.
class dlgLoading : public QWidget
{
    Q_OBJECT
public:
    static dlgLoading* getInstance();

    // Shows the overlay over `over` (its whole window) when given, and plays the animation.
    void startLoading(QWidget* over = nullptr);
    void stopLoading();
    bool isLoading() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    dlgLoading();

    QLabel* m_label;
    QMovie* m_movie;
};
