#include "cursors.h"

#include "platform/ui/controls.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QVariant>
#include <QWidget>

#include <map>
#include <tuple>

namespace atoz {

namespace {

constexpr const char* CursorProperty = "atozCursor";

QCursor svgCursor(const QString& resource, int hotX, int hotY, qreal scale, qreal ratio)
{
    const int size = qRound(32 * scale);
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return QCursor(pixmap, qRound(hotX * scale), qRound(hotY * scale));
}

// The cursors drawn so far, one for each cursor, scale and pixel ratio: a
// button made again, or another window, takes the same one. They go before
// the application does, with the window system they were made for.
using CursorKey = std::tuple<int, qreal, qreal>;  // BookCursor, scale, pixel ratio
std::map<CursorKey, QCursor>* drawnCursors = nullptr;

void forgetCursors()
{
    delete drawnCursors;
    drawnCursors = nullptr;
}

QCursor drawnCursor(BookCursor cursor, qreal scale, qreal ratio)
{
    if (!drawnCursors) {
        drawnCursors = new std::map<CursorKey, QCursor>;
        qAddPostRoutine(forgetCursors);
    }
    const CursorKey key{int(cursor), scale, ratio};
    auto found = drawnCursors->find(key);
    if (found == drawnCursors->end()) {
        QCursor drawn = cursor == BookCursor::PaintBrush
            ? svgCursor(QStringLiteral(":/icons/brush.svg"), 8, 30, scale, ratio)
            : svgCursor(QStringLiteral(":/icons/hand.svg"), 12, 1, scale, ratio);
        found = drawnCursors->emplace(key, std::move(drawn)).first;
    }
    return found->second;
}

}  // namespace

void SetBookCursor(QWidget* control, BookCursor cursor)
{
    control->setProperty(CursorProperty, int(cursor));
    if (cursor == BookCursor::Arrow) {
        control->setCursor(Qt::ArrowCursor);
        return;
    }
    const QScreen* screen = control->screen();
    control->setCursor(drawnCursor(cursor, BookScaleOf(control), screen ? screen->devicePixelRatio() : 1.0));
}

void RefreshBookCursor(QWidget* control)
{
    const QVariant cursor = control->property(CursorProperty);
    if (cursor.isValid())
        SetBookCursor(control, BookCursor(cursor.toInt()));
}

}  // namespace atoz
