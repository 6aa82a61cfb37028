#include "arrowkeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace atoz {

ArrowKeys::ArrowKeys(const QList<QWidget*>& members, QWidget* stop, QObject* parent) : QObject(parent)
{
    for (QWidget* member : members) {
        members_.append(member);
        member->installEventFilter(this);
    }
    SetStop(stop);
}

void ArrowKeys::SetStop(QWidget* member)
{
    stop_ = member;
    // Only the stop takes Tab; the focus reaches the others by the arrows.
    for (const QPointer<QWidget>& each : std::as_const(members_))
        if (each)
            each->setFocusPolicy(each == member ? Qt::TabFocus : Qt::NoFocus);
}

bool ArrowKeys::eventFilter(QObject* watched, QEvent* event)
{
    auto* member = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn) {
        SetStop(member);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up
                || key->key() == Qt::Key_Down)) {
            if (QWidget* next = neighbour(member, key->key()))
                next->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget* ArrowKeys::neighbour(QWidget* from, int key) const
{
    // The nearest member whose middle lies in the arrow's direction and
    // within the row (or column) of `from`.
    const QPoint here = from->geometry().center();
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    const int sign = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
    QWidget* nearest = nullptr;
    int nearestDistance = 0;
    for (const QPointer<QWidget>& member : members_) {
        if (!member || member == from || member->isHidden())
            continue;
        const QPoint offset = member->geometry().center() - here;
        const int along = sign * (across ? offset.x() : offset.y());
        const int aside = std::abs(across ? offset.y() : offset.x());
        const int halfSide = (across ? from->height() : from->width()) / 2;
        if (along > 0 && aside <= halfSide && (!nearest || along < nearestDistance)) {
            nearest = member;
            nearestDistance = along;
        }
    }
    if (nearest || !across)
        return nearest;
    // Past the row's end: on to the next member in reading order.
    const qsizetype index = members_.indexOf(from);
    for (qsizetype i = index + sign; i >= 0 && i < members_.size(); i += sign)
        if (members_[i] && !members_[i]->isHidden())
            return members_[i];
    return nullptr;
}

void SetTabOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

}  // namespace atoz
