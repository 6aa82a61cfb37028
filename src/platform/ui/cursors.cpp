#include "cursors.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QVariant>
#include <QWidget>

namespace atoz {

namespace {

constexpr const char* CursorProperty = "atozCursor";

QCursor svgCursor(const QString& resource, int hotX, int hotY)
{
    const qreal scale = TwipsScale();
    const int size = qRound(32 * scale);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return QCursor(pixmap, qRound(hotX * scale), qRound(hotY * scale));
}

// One cursor, drawn again only when the book's scale has changed.
struct CachedCursor
{
    QCursor cursor;
    qreal scale = 0;
};

QCursor cached(CachedCursor& entry, const char* resource, int hotX, int hotY)
{
    if (entry.scale != TwipsScale()) {
        entry.cursor = svgCursor(QLatin1String(resource), hotX, hotY);
        entry.scale = TwipsScale();
    }
    return entry.cursor;
}

}  // namespace

QCursor PaintBrushCursor()
{
    static CachedCursor brush;
    return cached(brush, ":/icons/brush.svg", 8, 30);
}

QCursor PointingHandCursor()
{
    static CachedCursor hand;
    return cached(hand, ":/icons/hand.svg", 12, 1);
}

void SetBookCursor(QWidget* control, BookCursor cursor)
{
    control->setProperty(CursorProperty, int(cursor));
    switch (cursor) {
    case BookCursor::Arrow:
        control->setCursor(Qt::ArrowCursor);
        break;
    case BookCursor::PaintBrush:
        control->setCursor(PaintBrushCursor());
        break;
    case BookCursor::PointingHand:
        control->setCursor(PointingHandCursor());
        break;
    }
}

void RefreshBookCursor(QWidget* control)
{
    const QVariant cursor = control->property(CursorProperty);
    if (cursor.isValid())
        SetBookCursor(control, BookCursor(cursor.toInt()));
}

}  // namespace atoz
