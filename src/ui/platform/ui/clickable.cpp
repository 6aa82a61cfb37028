#include "clickable.h"

#include "platform/ui/cursors.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace atoz {

namespace {

Clickable* clickableOf(const QObject* control)
{
    return control->findChild<Clickable*>(QStringLiteral("Clickable"), Qt::FindDirectChildrenOnly);
}

// A clickable control as screen readers and accessibility-based tools see it:
// a button named by its text, or by what its picture means, that they can
// press.
class ClickableAccessible final : public QAccessibleWidget
{
public:
    explicit ClickableAccessible(QWidget* control) : QAccessibleWidget(control, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            if (const auto* label = qobject_cast<const QLabel*>(widget()); label && !label->text().isEmpty())
                return label->text();
            return widget()->toolTip();
        }
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            if (Clickable* clickable = clickableOf(widget()))
                clickable->Press();
    }
};

QAccessibleInterface* clickableAccessible(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && clickableOf(object))
        return new ClickableAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void Clickable::Press()
{
    const auto* control = static_cast<const QWidget*>(parent());
    if (when_ == When::Press)
        emit pressed(Qt::LeftButton, Qt::NoModifier, QRectF(control->rect()).center());
    else
        emit clicked();
}

Clickable::Clickable(QWidget* control, When when) : QObject(control), when_(when)
{
    static const bool accessible = [] {
        QAccessible::installFactory(clickableAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("Clickable"));
    control->installEventFilter(this);
    // A label tells the accessibility cache what it is as soon as it has a
    // text, before it is made clickable: that answer goes.
    if (QAccessibleInterface* told = QAccessible::queryAccessibleInterface(control);
        told && told->role() != QAccessible::Button)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(told));
    if (when == When::Click)
        SetBookCursor(control, BookCursor::PointingHand);
}

void Clickable::SetHoldTime(int milliseconds)
{
    if (!hold_) {
        hold_ = new QTimer(this);
        hold_->setSingleShot(true);
        connect(hold_, &QTimer::timeout, this, [this] {
            armed_ = false;  // the release that follows is no click
            emit held();
        });
    }
    hold_->setInterval(milliseconds);
}

Clickable* Clickable::Attach(QWidget* control, When when)
{
    if (Clickable* existing = clickableOf(control)) {
        if (existing->when_ == when)
            return existing;
        // One way per control: with both, one click would act twice.
        qWarning("atoz: %s answers clicks one way already; not attached another way",
                 qUtf8Printable(control->objectName()));
        return nullptr;
    }
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
            if (hold_ && armed_)
                hold_->start();
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // The second press of a double-click: the first one has acted already.
        armed_ = false;
        if (hold_)
            hold_->stop();
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = armed_ && mouse->button() == Qt::LeftButton
            && static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        armed_ = false;
        if (hold_)
            hold_->stop();
        if (click)
            emit clicked();  // may change the whole view: touch nothing after it
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace atoz
