#include "cursors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>

namespace atoz {

namespace {

QCursor svgCursor(const QString& resource, int hotX, int hotY)
{
    constexpr int Size = 32;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(Size, Size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, Size, Size));
    painter.end();
    return QCursor(pixmap, hotX, hotY);
}

}  // namespace

QCursor PaintBrushCursor()
{
    static const QCursor cursor = svgCursor(QStringLiteral(":/icons/brush.svg"), 8, 30);
    return cursor;
}

QCursor PointingHandCursor()
{
    static const QCursor cursor = svgCursor(QStringLiteral(":/icons/hand.svg"), 12, 1);
    return cursor;
}

}  // namespace atoz
