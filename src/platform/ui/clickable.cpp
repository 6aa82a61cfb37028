#include "clickable.h"

#include "platform/ui/cursors.h"

#include <QMouseEvent>
#include <QWidget>

namespace atoz {

Clickable::Clickable(QWidget* control, When when) : QObject(control), when_(when)
{
    setObjectName(QStringLiteral("Clickable"));
    control->installEventFilter(this);
    if (when == When::Click)
        control->setCursor(PointingHandCursor());
}

Clickable* Clickable::Attach(QWidget* control, When when)
{
    if (auto* existing = control->findChild<Clickable*>(QStringLiteral("Clickable"), Qt::FindDirectChildrenOnly))
        return existing;
    return new Clickable(control, when);
}

bool Clickable::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (when_ == When::Press) {
            emit pressed(mouse->button(), mouse->modifiers(), mouse->position());
        } else {
            armed_ = mouse->button() == Qt::LeftButton;
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // The second press of a double-click: the first one has acted already.
        armed_ = false;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = armed_ && mouse->button() == Qt::LeftButton
            && static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        armed_ = false;
        if (click)
            emit clicked();  // may change the whole view: touch nothing after it
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace atoz
