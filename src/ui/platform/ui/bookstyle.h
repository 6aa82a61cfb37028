#pragma once

#include <QProxyStyle>

namespace atoz {

// The application's style: the desktop's own, with every size it gives a
// control (frames, margins, spacing, icons, scroll bar arrows and handles)
// grown by the book's scale of that control (BookScaleOf). Qt's own
// dialogs, the names window's boxes and the contents sheet's scroll bar so
// grow with the book; a widget outside the book keeps the desktop's sizes.
class BookStyle : public QProxyStyle
{
    Q_OBJECT

public:
    BookStyle();

    // Makes a BookStyle the application's style, once.
    static void Install();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                      Qt::Orientation orientation, const QStyleOption* option = nullptr,
                      const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

}  // namespace atoz
