#include "qvHeaderView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {
const int kBox = 20;
}

qvHeaderView::qvHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
}

void qvHeaderView::addCheckSection(int key)
{
    m_keys.insert(key);
    viewport()->update();
}

void qvHeaderView::setChecked(bool checked)
{
    m_checked = checked;
    viewport()->update();
}

int qvHeaderView::keyOfVisual(int visual) const
{
    return m_keys.contains(visual + 1) ? visual + 1 : -1;
}

void qvHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (keyOfVisual(visualIndex(logicalIndex)) < 0)
        return;
    QStyleOptionButton option;
    option.rect = QRect(rect.topLeft(), QSize(kBox, kBox));
    option.state = QStyle::State_Enabled | (m_checked ? QStyle::State_On : QStyle::State_Off);
    style()->drawControl(QStyle::CE_CheckBox, &option, painter);
}

QSize qvHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (keyOfVisual(visualIndex(logicalIndex)) >= 0)
        size = size.expandedTo(QSize(kBox + 8, kBox + 4));
    return size;
}

void qvHeaderView::mouseReleaseEvent(QMouseEvent* event)
{
    const int visual = visualIndexAt(orientation() == Qt::Horizontal ? event->pos().x()
                                                                     : event->pos().y());
    const int key = visual >= 0 ? keyOfVisual(visual) : -1;
    if (key >= 0 && event->button() == Qt::LeftButton) {
        m_checked = !m_checked;
        viewport()->update();
        emit signal_check(key, m_checked);
    }
    QHeaderView::mouseReleaseEvent(event);
}
