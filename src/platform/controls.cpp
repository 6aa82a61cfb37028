#include "controls.h"

#include "platform/cursors.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace atoz {

PictureButton::PictureButton(const QString& objectName, const QString& svgResource, const QString& toolTip,
                             QWidget* parent)
    : QAbstractButton(parent), renderer_(new QSvgRenderer(svgResource, this))
{
    setObjectName(objectName);
    setToolTip(toolTip);
    setAccessibleName(toolTip);
    setCursor(PointingHandCursor());
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (isDown())
        painter.translate(1, 1);
    renderer_->render(&painter, QRectF(rect()));
}

ClickLabel::ClickLabel(const QString& objectName, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(objectName);
    setCursor(PointingHandCursor());
}

void ClickLabel::SetColours(Colour text, Colour background)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(text));
    p.setColor(QPalette::Window, ToQColor(background));
    setPalette(p);
    setAutoFillBackground(true);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

OutlineShape::OutlineShape(const QString& objectName, Kind kind, int borderWidth, QWidget* parent)
    : QWidget(parent), kind_(kind), borderWidth_(borderWidth)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, borderWidth_));
    const qreal inset = borderWidth_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Kind::Oval)
        painter.drawEllipse(r);
    else
        painter.drawRect(r);
}

void SetBackground(QWidget* widget, Colour colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

}  // namespace atoz
