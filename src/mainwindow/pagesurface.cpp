#include "pagesurface.h"


#include <QMouseEvent>
#include <QPainter>

namespace atoz {

PageSurface::PageSurface(int index, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("Page_%1").arg(index));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageSurface::SetPicture(const QImage& picture)
{
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    image_.detach();  // fills must never reach the picture we were given
    setFixedSize(image_.size());
    update();
}

void PageSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(0, 0, image_);
}

void PageSurface::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseDown(index_, event->button(), event->modifiers(), event->position());
}

}  // namespace atoz
