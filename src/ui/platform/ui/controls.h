#pragma once

#include "platform/colour.h"

#include <QFlags>
#include <QLabel>
#include <QRect>
#include <QWidget>

#include <optional>
#include <vector>

class QLineEdit;
class QProgressBar;
class QScrollBar;
class QSvgRenderer;

namespace atoz {

// The book's windows are drawn as tables of controls: a name, a place in
// twips and a look. These helpers build one control from one row, so that a
// window's layout in the code reads like its table.

// How a label's text looks. A row that gives no look is bold; a row that
// gives one gives all of it: `Centred` alone is regular weight.
enum LabelStyleFlag {
    Plain = 0x0,    // none of the below: regular weight, left and top, one line
    Bold = 0x1,
    Centred = 0x2,  // text centred both ways; otherwise left and top
    Wrapped = 0x4,  // text wraps at the label's width
    Sans = 0x8,     // the plain sans face, for small print; otherwise the book's comic one
};
Q_DECLARE_FLAGS(LabelStyle, LabelStyleFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(LabelStyle)

// A place of no size, QRect(): the parent's own layout places the control.
struct LabelRow
{
    QString name;              // objectName, e.g. "OpenFolderNumber_3"
    QRect place;               // twips, relative to the parent: left, top, width, height
    QString text;
    Colour colour;             // of the text
    qreal points;              // font size in the book's face
    LabelStyle style = Bold;
    std::optional<Colour> background = std::nullopt;  // none: the parent shows through
};

struct PictureRow
{
    QString name;         // objectName, e.g. "UserCmdOpenPic"
    QRect place;          // twips, relative to the parent
    const char* picture;  // an SVG under :/icons, without ".svg"
    QString toolTip;      // what the picture does, for a parent's mouse; none: a
                          // decoration that the mouse passes through
};

// A picture drawn from SVG to the control's size, crisp at any pixel ratio.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(const QString& svgResource, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer_;
};

// A white outline shape drawn under other controls: an oval or a rounded
// rectangle, hollow or filled with a colour. The mouse passes through it.
class OutlineShape : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Oval, Rectangle };
    // `borderWidth` in pixels at the book's classic size.
    OutlineShape(const QString& objectName, Kind kind, int borderWidth, QWidget* parent = nullptr);

    void SetFill(std::optional<Colour> fill);
    std::optional<Colour> fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    int borderWidth_;
    std::optional<Colour> fill_;
};

QLabel* AddLabel(QWidget* parent, const LabelRow& row);

// Sets up one of the book's small windows: its objectName, its caption, its
// size fixed in twips, its black background and its focus ring.
void SetUpSmallWindow(QWidget* window, const QString& name, const QString& caption, QSize twips);
// For a view's resizeEvent: `page` takes the whole of its parent right of the
// command bar, `barWidth` twips wide.
void PlaceRightOfBar(QWidget* page, int barWidth);

// The book's scale for `control`: the one set on the nearest window that
// holds it (the main window holds it for every window it owns), else 1.
double BookScaleOf(const QWidget* control);
// Sets the scale `window` and every control it holds are drawn at. Laying
// them out again at it is RescaleControls's work.
void SetBookScale(QWidget* window, double scale);

// Puts a control at a place in twips, remembered so that a change of the
// book's scale puts it there again. A place of no size leaves the control to
// its parent's layout.
void PlaceInTwips(QWidget* control, QRect twips);
// Fixes a window's size in twips, remembered likewise.
void SetFixedTwipsSize(QWidget* window, QSize twips);
// Gives a control `font`, whose size is in points at the book's classic
// size: it is drawn at the book's scale, now and after a change of scale.
void SetBookFont(QWidget* control, QFont font);
// After the book's scale changed: every control below `root` (and `root`)
// made by these helpers takes its place, size, font and cursor at the new
// scale. Places set by a window's own layout are that window's to redo.
void RescaleControls(QWidget* root);
OutlineShape* AddShape(QWidget* parent, const QString& name, OutlineShape::Kind kind, QRect twips,
                       std::optional<Colour> fill = std::nullopt);

// Makes a one-line label's font smaller, down to `smallestPoints`, until its
// text fits its width: names and printer names of any length stay readable.
void ShrinkToFit(QLabel* label, qreal points, qreal smallestPoints = 7);
// The same for labels that are read together, such as the two lines of one
// caption: they share the largest size at which each of them fits.
void ShrinkTogether(const std::vector<QLabel*>& labels, qreal points, qreal smallestPoints = 7);
// The same for an edit box, so that `longest` (the widest text it may hold)
// shows whole, not scrolled.
void ShrinkToFit(QLineEdit* box, qreal points, const QString& longest, qreal smallestPoints = 5);
// Keeps a label's text `leftTwips` clear of its left edge, where something
// stands over it, and `rightTwips` of its right edge, at every scale.
void SetTextInset(QLabel* label, int leftTwips, int rightTwips = 0);
Picture* AddPicture(QWidget* parent, const PictureRow& row);
// A plain box: a panel of one colour.
QWidget* AddBox(QWidget* parent, const QString& name, QRect twips, Colour background);
// A vertical scroll bar that moves by whole steps of 1, jumps only when its
// box is let go and never takes the keyboard focus. Its place is its
// parent's to set.
QScrollBar* AddScrollBar(QWidget* parent, const QString& name);
// A progress bar without text.
QProgressBar* AddProgressBar(QWidget* parent, const QString& name, QRect twips);

// The name of element `index` of a control array: "Paint_7", "Thumbnail_25".
inline QString Indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Colours of a widget, painted by Qt from its palette.
void SetBackground(QWidget* widget, Colour colour);
void SetTextColour(QWidget* widget, Colour colour);

}  // namespace atoz
