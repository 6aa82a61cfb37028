#include "focusring.h"

#include "platform/colour.h"
#include "platform/twips.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace atoz {

namespace {

constexpr int RingPixels = 3;  // the yellow line, at the book's classic size

}  // namespace

FocusRing::FocusRing(QWidget* window) : QWidget(window), window_(window)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    HideFromScreenReaders(this);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* now)
{
    if (target_)
        target_->removeEventFilter(this);
    target_ = now && now != window_ && now->window() == window_ ? now : nullptr;
    if (!target_) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    setParent(target_->parentWidget());
    place();
}

int FocusRing::thickness() const
{
    return std::max(RingPixels, int(std::lround(ScaledPoints(RingPixels, BookScaleOf(window_)))));
}

void FocusRing::place()
{
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const Clickable* clickable = Clickable::Of(target_);
    const QRect area = clickable ? clickable->area() : target_->geometry();
    const int edge = thickness() + 2;  // the yellow line and its black edges
    setGeometry(area.adjusted(-edge, -edge, edge, edge));
    show();
    raise();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        case QEvent::ParentChange:
            follow(target_);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int ring = thickness();
    const QRectF line = QRectF(rect()).adjusted(1 + ring / 2.0, 1 + ring / 2.0, -1 - ring / 2.0, -1 - ring / 2.0);
    const qreal corner = ring * 2.0;
    painter.setPen(QPen(ToQColor(Black), ring + 2));
    painter.drawRoundedRect(line, corner, corner);
    painter.setPen(QPen(ToQColor(Yellow), ring));
    painter.drawRoundedRect(line, corner, corner);
}

}  // namespace atoz
