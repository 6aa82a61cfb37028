#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace atoz {

// A group of controls laid out in a grid, such as the folder tiles, the
// thumbnails or the paint swatches, as one stop of Tab: the arrow keys move
// the keyboard focus among them, to the nearest one in the arrow's direction
// (Left and Right go on to the row before or after). Tab comes back to the
// one that had the focus last; first, to `stop`.
class ArrowKeys : public QObject
{
    Q_OBJECT

public:
    // `members` in reading order, all children of one parent.
    ArrowKeys(const QList<QWidget*>& members, QWidget* stop, QObject* parent);

    // The member that Tab comes to.
    void SetStop(QWidget* member);
    QWidget* stop() const { return stop_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* neighbour(QWidget* from, int key) const;

    QList<QPointer<QWidget>> members_;
    QPointer<QWidget> stop_;
};

// Tab goes through `controls` in this order (Shift+Tab the other way). From
// their window, which takes the focus before they are made, Tab comes to the
// first.
void SetTabOrder(const QList<QWidget*>& controls);

}  // namespace atoz
