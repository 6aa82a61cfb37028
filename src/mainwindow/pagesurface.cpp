#include "pagesurface.h"

#include <QPaintEvent>
#include <QPainter>

namespace atoz {

PageSurface::PageSurface(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Page_2"));
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

}  // namespace atoz
