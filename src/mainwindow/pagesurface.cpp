#include "pagesurface.h"

#include "colouring/colouringpage.h"

#include <QPaintEvent>
#include <QPainter>

namespace atoz {

PageSurface::PageSurface(const ColouringPage& page, QWidget* parent) : QWidget(parent), page_(page)
{
    setObjectName(QStringLiteral("Page_2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&page_, &ColouringPage::pageChanged, this, [this](QRect area) {
        if (size() != page_.image().size())
            setFixedSize(page_.image().size());
        update(area);
    });
}

QSize PageSurface::sizeHint() const
{
    return page_.image().size();
}

void PageSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(0, 0, page_.image());  // clipped to what needs painting
}

}  // namespace atoz
