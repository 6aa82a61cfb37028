#include "bookstyle.h"

#include "platform/ui/controls.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

#include <cmath>

namespace atoz {

namespace {

double scaleOf(const QWidget* widget)
{
    return widget ? BookScaleOf(widget) : 1.0;
}

int scaled(int pixels, const QWidget* widget)
{
    // A size, never a flag such as -1 ("none"): only sizes grow.
    return pixels > 0 ? int(std::lround(pixels * scaleOf(widget))) : pixels;
}

}  // namespace

BookStyle::BookStyle()
{
    setObjectName(QStringLiteral("BookStyle"));
}

void BookStyle::Install()
{
    if (!qobject_cast<BookStyle*>(QApplication::style()))
        QApplication::setStyle(new BookStyle);  // the application owns it
}

int BookStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    return scaled(QProxyStyle::pixelMetric(metric, option, widget), widget);
}

int BookStyle::layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                             Qt::Orientation orientation, const QStyleOption* option, const QWidget* widget) const
{
    return scaled(QProxyStyle::layoutSpacing(control1, control2, orientation, option, widget), widget);
}

void BookStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const double scale = scaleOf(widget);
    if (control != CC_ScrollBar || !bar || scale == 1.0) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Styles draw a scroll bar's arrows at a fixed size: the bar is drawn
    // without them, and they are drawn here to the size of their buttons.
    QStyleOptionSlider plain = *bar;
    QColor arrow = bar->palette.color(QPalette::WindowText);
    plain.palette.setColor(QPalette::WindowText, Qt::transparent);
    plain.palette.setColor(QPalette::ButtonText, Qt::transparent);
    QProxyStyle::drawComplexControl(control, &plain, painter, widget);

    if (!(bar->state & State_Enabled))
        arrow = bar->palette.color(QPalette::Disabled, QPalette::WindowText);
    arrow.setAlpha(160);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(arrow);
    const bool vertical = bar->orientation == Qt::Vertical;
    for (const SubControl button : {SC_ScrollBarSubLine, SC_ScrollBarAddLine}) {
        const QRectF box = subControlRect(control, bar, button, widget);
        const qreal across = vertical ? box.width() : box.height();
        const qreal along = vertical ? box.height() : box.width();
        const qreal half = std::min(across * 0.2, along * 0.6);  // half the arrow's base
        const QPointF middle = box.center();
        const qreal tip = half / 2;
        const qreal towards = button == SC_ScrollBarSubLine ? -1 : 1;  // up or left; down or right
        QPolygonF triangle;
        if (vertical)
            triangle << QPointF(middle.x() - half, middle.y() - towards * tip)
                     << QPointF(middle.x() + half, middle.y() - towards * tip)
                     << QPointF(middle.x(), middle.y() + towards * tip);
        else
            triangle << QPointF(middle.x() - towards * tip, middle.y() - half)
                     << QPointF(middle.x() - towards * tip, middle.y() + half)
                     << QPointF(middle.x() + towards * tip, middle.y());
        painter->drawPolygon(triangle);
    }
    painter->restore();
}

}  // namespace atoz
