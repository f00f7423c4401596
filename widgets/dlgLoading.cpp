#include "dlgLoading.h"

#include <QLabel>
#include <QMovie>

dlgLoading* dlgLoading::getInstance()
{
    static dlgLoading* instance = new dlgLoading;
    return instance;
}

dlgLoading::dlgLoading()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_label(new QLabel(this)),
      m_movie(new QMovie(QStringLiteral(":/images/loading.gif"), QByteArray(), this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    m_label->setMovie(m_movie);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setStyleSheet(QStringLiteral("background: transparent;"));
    resize(200, 200);
}

void dlgLoading::resizeEvent(QResizeEvent* event)
{
    m_label->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void dlgLoading::startLoading(QWidget* over)
{
    if (over) {
        QWidget* window = over->window();
        setGeometry(window->frameGeometry());
    }
    m_movie->start();
    show();
    raise();
}

void dlgLoading::stopLoading()
{
    m_movie->stop();
    hide();
}

bool dlgLoading::isLoading() const
{
    return isVisible();
}
