#pragma once

#include "platform/colour.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

class QSvgRenderer;

namespace atoz {

// A picture that acts as a button: an SVG drawn to the control's size, crisp
// at any pixel ratio, with the pointing-hand cursor. Clicked on release inside.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QString& objectName, const QString& svgResource, const QString& toolTip,
                  QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer_;
};

// A caption the child can click (the book's labels act as buttons).
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    ClickLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

    void SetColours(Colour text, Colour background);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// An outline shape drawn under other controls: an oval or a rectangle.
class OutlineShape : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Oval, Rectangle };
    OutlineShape(const QString& objectName, Kind kind, int borderWidth, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    int borderWidth_;
};

// Sets a widget's background to a Colour, painted by Qt.
void SetBackground(QWidget* widget, Colour colour);

}  // namespace atoz
