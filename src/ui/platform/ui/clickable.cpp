#include "clickable.h"

#include "platform/ui/cursors.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace atoz {

namespace {

// A widget that screen readers pass over: the part of a button, or a
// drawing over the controls such as the focus ring.
constexpr const char* Unseen = "atozUnseen";
// The dialog's button that Return presses.
constexpr const char* DefaultButton = "atozDefaultButton";

Clickable* clickableOf(const QObject* control)
{
    return control->findChild<Clickable*>(QStringLiteral("Clickable"), Qt::FindDirectChildrenOnly);
}

bool isPressKey(const QKeyEvent* key)
{
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space);
}

void pressDefaultOf(const QWidget* window)
{
    const auto* button = qobject_cast<QWidget*>(window->property(DefaultButton).value<QObject*>());
    if (Clickable* clickable = button ? clickableOf(button) : nullptr)
        clickable->Press();
}

// A clickable control as screen readers and accessibility-based tools see it:
// a button (or option, tab, list item) named by its accessible name, its
// text or what its picture means, that they can press. Its parts and
// pictures inside it are its own, not controls of their own.
class ClickableAccessible final : public QAccessibleWidget
{
public:
    explicit ClickableAccessible(QWidget* control) : QAccessibleWidget(control, QAccessible::Button) {}

    QAccessible::Role role() const override
    {
        switch (clickable()->kind()) {
        case Clickable::Kind::Option: return QAccessible::RadioButton;
        case Clickable::Kind::Tab: return QAccessible::PageTab;
        case Clickable::Kind::Item: return QAccessible::ListItem;
        case Clickable::Kind::Button: break;
        }
        return QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;  // by Tab, or by the arrow keys within its group
        if (clickable()->kind() == Clickable::Kind::Option) {
            state.checkable = true;
            state.checked = clickable()->chosen();
        } else if (clickable()->kind() != Clickable::Kind::Button) {
            state.selectable = true;
            state.selected = clickable()->chosen();
        }
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            if (const auto* label = qobject_cast<const QLabel*>(widget()); label && !label->text().isEmpty())
                return label->text();
            return widget()->toolTip();
        }
        if (kind == QAccessible::Description && widget()->accessibleDescription().isEmpty()
            && widget()->toolTip() != text(QAccessible::Name))
            return widget()->toolTip();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        // Later, from the event loop: the press may open a modal window, and
        // the screen reader that asked must have its answer first.
        if (action == pressAction())
            QMetaObject::invokeMethod(clickable(), &Clickable::Press, Qt::QueuedConnection);
    }

private:
    Clickable* clickable() const { return clickableOf(widget()); }
};

// Nothing for a screen reader: no name, not showing.
class UnseenAccessible final : public QAccessibleWidget
{
public:
    explicit UnseenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
    QString text(QAccessible::Text) const override { return {}; }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

QAccessibleInterface* clickableAccessible(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (object->property(Unseen).toBool())
        return new UnseenAccessible(widget);
    if (clickableOf(object))
        return new ClickableAccessible(widget);
    return nullptr;
}

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(clickableAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

// A widget tells the accessibility cache what it is as soon as it is asked;
// once it is made clickable, or part of a button, that answer goes.
void forgetAccessible(QWidget* widget)
{
    if (QAccessibleInterface* told = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(told));
}

// Return pressed in a dialog whose focus is on none of its buttons.
class ReturnKey final : public QObject
{
public:
    explicit ReturnKey(QDialog* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (isPressKey(key) && key->key() != Qt::Key_Space) {
                if (!key->isAutoRepeat())
                    pressDefaultOf(static_cast<QWidget*>(watched));
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void Clickable::Press()
{
    const QWidget* control = this->control();
    if (when_ == When::Press)
        emit pressed(Qt::LeftButton, Qt::NoModifier, QRectF(control->rect()).center());
    else
        emit clicked();
}

Clickable::Clickable(QWidget* control, When when) : QObject(control), when_(when)
{
    installAccessibleFactory();
    setObjectName(QStringLiteral("Clickable"));
    control->installEventFilter(this);
    control->setFocusPolicy(Qt::TabFocus);
    forgetAccessible(control);
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

QWidget* Clickable::control() const
{
    return static_cast<QWidget*>(parent());
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

Clickable* Clickable::Of(const QWidget* control)
{
    return control ? clickableOf(control) : nullptr;
}

void Clickable::AddPart(QWidget* part)
{
    parts_.emplace_back(part);
    part->installEventFilter(this);
    part->setFocusPolicy(Qt::NoFocus);
    HideFromScreenReaders(part);
    if (when_ == When::Click)
        SetBookCursor(part, BookCursor::PointingHand);
}

QRect Clickable::area() const
{
    QRect area = control()->geometry();
    for (const QPointer<QWidget>& part : parts_)
        if (part && part->parentWidget() == control()->parentWidget() && !part->isHidden())
            area |= part->geometry();
    return area;
}

void Clickable::SetKind(Kind kind)
{
    kind_ = kind;
}

void Clickable::SetChosen(bool chosen)
{
    if (chosen == chosen_)
        return;
    chosen_ = chosen;
    QAccessible::State changed;
    (kind_ == Kind::Option ? changed.checked : changed.selected) = true;
    QAccessibleStateChangeEvent event(control(), changed);
    QAccessible::updateAccessibility(&event);
}

bool Clickable::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (when_ == When::Press) {
            // A part's press lands on the control where the part shows it.
            const QPointF at = watched == control()
                ? mouse->position()
                : static_cast<QWidget*>(watched)->mapTo(control(), mouse->position());
            emit pressed(mouse->button(), mouse->modifiers(), at);
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
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched != control() || !isPressKey(key))
            break;
        if (key->isAutoRepeat())
            return true;  // a key held down presses once
        if (kind_ == Kind::Option && key->key() != Qt::Key_Space
            && control()->window()->property(DefaultButton).isValid())
            pressDefaultOf(control()->window());
        else
            Press();  // may change the whole view: touch nothing after it
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void JoinButton(QWidget* control, const std::vector<QWidget*>& parts, const QString& name)
{
    Clickable* clickable = Clickable::Of(control);
    if (!clickable)
        return;
    for (QWidget* part : parts)
        clickable->AddPart(part);
    control->setAccessibleName(name);
}

void HideFromScreenReaders(QWidget* widget)
{
    installAccessibleFactory();
    widget->setProperty(Unseen, true);
    forgetAccessible(widget);
}

void SetDefaultButton(QDialog* window, QWidget* button)
{
    if (!window->property(DefaultButton).isValid())
        new ReturnKey(window);
    window->setProperty(DefaultButton, QVariant::fromValue<QObject*>(button));
}

}  // namespace atoz
