#pragma once
#include <QHeaderView>
#include <QSet>

// A header that draws one 20 x 20 check box for each key registered with addCheckSection. The
// box of key k sits at the top-left corner of the section at visual index k - 1 (key 1: the
// header's top-left corner, over its leftmost section); a click on that section toggles it and
// emits signal_check(k, new state).
class qvHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit qvHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    void addCheckSection(int key);
    bool isChecked() const { return m_checked; }
    // Sets the box without emitting signal_check (for example after the rows were refilled).
    void setChecked(bool checked);

signals:
    void signal_check(int _index, bool _check);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    int keyOfVisual(int visual) const;

    QSet<int> m_keys;
    bool m_checked = false;
};
