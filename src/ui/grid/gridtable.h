// A QTableView that reports mouse presses and releases with button and modifiers, the base of
// the grid view and of its frozen panes.
#pragma once

#include <QTableView>

namespace orve::ui {

class GridTable : public QTableView
{
    Q_OBJECT

public:
    explicit GridTable(QWidget* parent = nullptr);

    // Wheel turns over this table scroll `target` instead (frozen panes scroll the body).
    void setWheelTarget(QAbstractScrollArea* target) { wheelTarget_ = target; }

signals:
    void mousePressedAt(const QModelIndex& index, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers);
    void mouseReleasedAt(const QModelIndex& index, Qt::MouseButton button,
                         Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QAbstractScrollArea* wheelTarget_ = nullptr;
};

} // namespace orve::ui
