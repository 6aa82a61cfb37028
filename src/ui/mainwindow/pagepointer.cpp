#include "pagepointer.h"

#include "platform/colour.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace atoz {

namespace {

constexpr int Step = 10;         // page pixels an arrow moves the pointer
constexpr int CrossPixels = 12;  // the cross's arms, at the book's classic size

}  // namespace

PagePointer::PagePointer(QWidget* page, QSize pageSize)
    : QWidget(page), page_(page), pageSize_(pageSize), pixel_(pageSize.width() / 2, pageSize.height() / 2)
{
    setObjectName(QStringLiteral("PagePointer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    HideFromScreenReaders(this);
    hide();
    // After the page's own filters: its keys come here first.
    page->installEventFilter(this);
}

bool PagePointer::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        place();
        show();
        break;
    case QEvent::FocusOut:
        hide();
        break;
    case QEvent::Resize:
        place();
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->modifiers() & Qt::ShiftModifier ? 1 : Step;
        QPoint move;
        switch (key->key()) {
        case Qt::Key_Left: move = {-step, 0}; break;
        case Qt::Key_Right: move = {step, 0}; break;
        case Qt::Key_Up: move = {0, -step}; break;
        case Qt::Key_Down: move = {0, step}; break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!key->isAutoRepeat())
                emit pressed(pixel_);  // one fill a key press, as one a click
            return true;
        default:
            return false;
        }
        pixel_ = QPoint(std::clamp(pixel_.x() + move.x(), 0, pageSize_.width() - 1),
                        std::clamp(pixel_.y() + move.y(), 0, pageSize_.height() - 1));
        place();
        return true;
    }
    default:
        break;
    }
    return false;
}

void PagePointer::place()
{
    // The middle of the page pixel on screen, the cross around it.
    const double across = double(page_->width()) / pageSize_.width();
    const double down = double(page_->height()) / pageSize_.height();
    const QPoint middle(int((pixel_.x() + 0.5) * across), int((pixel_.y() + 0.5) * down));
    const int arm = int(std::lround(CrossPixels * BookScaleOf(page_)));
    setGeometry(QRect(middle - QPoint(arm, arm), QSize(2 * arm + 1, 2 * arm + 1)));
    raise();
    update();
}

void PagePointer::paintEvent(QPaintEvent*)
{
    // Black edged in white: clear on white paper, on outlines and on colours.
    QPainter painter(this);
    const double scale = BookScaleOf(page_);
    const QPointF middle = QRectF(rect()).center();
    const double arm = width() / 2.0;
    for (const auto& [colour, thickness] : {std::pair{White, 5.0}, std::pair{Black, 2.0}}) {
        painter.setPen(QPen(ToQColor(colour), thickness * scale, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(middle.x() - arm, middle.y()), QPointF(middle.x() + arm, middle.y()));
        painter.drawLine(QPointF(middle.x(), middle.y() - arm), QPointF(middle.x(), middle.y() + arm));
    }
}

}  // namespace atoz
