#include "controls.h"

#include "platform/twips.h"
#include "platform/ui/cursors.h"
#include "platform/ui/focusring.h"
#include "platform/ui/fonts.h"

#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QScrollBar>
#include <QStyle>
#include <QSvgRenderer>

#include <algorithm>

namespace atoz {

namespace {

// What a control remembers of the rows it was made from.
constexpr const char* TwipsPlace = "atozTwips";
constexpr const char* TwipsFixedSize = "atozFixedTwips";
constexpr const char* FontPoints = "atozPoints";
constexpr const char* ShrinkPoints = "atozShrink";  // QPointF: points, smallest points
constexpr const char* ShrinkSample = "atozShrinkSample";  // an edit box's widest text
constexpr const char* TextInset = "atozTextInset";  // QPoint: twips clear on the left, on the right
// The book's scale, on the window that holds it.
constexpr const char* ScaleProperty = "atozBookScale";

void shrink(QLabel* label, qreal points, qreal smallestPoints)
{
    const double scale = BookScaleOf(label);
    QFont font = label->font();
    font.setPointSizeF(ScaledPoints(points, scale));
    const qreal smallest = ScaledPoints(smallestPoints, scale);
    const qreal step = ScaledPoints(0.5, scale);
    while (font.pointSizeF() > smallest
           && QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width())
        font.setPointSizeF(font.pointSizeF() - step);
    label->setFont(font);
}

// An edit box's room for its text: inside its frame and the margins Qt
// keeps around the text and the cursor.
int textRoom(const QLineEdit* box)
{
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    return box->contentsRect().width() - 2 * frame - 2 * 2 - 2;
}

void shrink(QLineEdit* box, qreal points, qreal smallestPoints, const QString& longest)
{
    const double scale = BookScaleOf(box);
    QFont font = box->font();
    font.setPointSizeF(ScaledPoints(points, scale));
    const qreal smallest = ScaledPoints(smallestPoints, scale);
    const qreal step = ScaledPoints(0.25, scale);
    while (font.pointSizeF() > smallest && QFontMetrics(font).horizontalAdvance(longest) > textRoom(box))
        font.setPointSizeF(font.pointSizeF() - step);
    box->setFont(font);
}

void rescaleOne(QWidget* control)
{
    const double scale = BookScaleOf(control);
    const QVariant place = control->property(TwipsPlace);
    if (place.isValid())
        control->setGeometry(TwipsRect(place.toRect(), scale));
    const QVariant fixed = control->property(TwipsFixedSize);
    if (fixed.isValid())
        control->setFixedSize(TwipsSize(fixed.toSize(), scale));
    const QVariant points = control->property(FontPoints);
    if (points.isValid()) {
        QFont font = control->font();
        font.setPointSizeF(ScaledPoints(points.toReal(), scale));
        control->setFont(font);
    }
    if (const QVariant inset = control->property(TextInset); inset.isValid())
        control->setContentsMargins(TwipsToPixels(inset.toPoint().x(), scale), 0,
                                    TwipsToPixels(inset.toPoint().y(), scale), 0);
    const QVariant shrinking = control->property(ShrinkPoints);
    if (auto* label = qobject_cast<QLabel*>(control); label && shrinking.isValid())
        shrink(label, shrinking.toPointF().x(), shrinking.toPointF().y());
    if (auto* box = qobject_cast<QLineEdit*>(control); box && shrinking.isValid())
        shrink(box, shrinking.toPointF().x(), shrinking.toPointF().y(), control->property(ShrinkSample).toString());
    RefreshBookCursor(control);
    control->update();
}

}  // namespace

Picture::Picture(const QString& svgResource, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(svgResource, this))
{
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, QRectF(rect()));
}

OutlineShape::OutlineShape(const QString& objectName, Kind kind, int borderWidth, QWidget* parent)
    : QWidget(parent), kind_(kind), borderWidth_(borderWidth)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::SetFill(std::optional<Colour> fill)
{
    fill_ = fill;
    update();
}

void OutlineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = BookScaleOf(this);
    const qreal border = ScaledPoints(borderWidth_, scale);
    painter.setPen(QPen(ToQColor(White), border));
    painter.setBrush(fill_ ? QBrush(ToQColor(*fill_)) : QBrush(Qt::NoBrush));
    const qreal inset = border / 2.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Kind::Oval)
        painter.drawEllipse(r);
    else
        painter.drawRoundedRect(r, ScaledPoints(6, scale), ScaledPoints(6, scale));
}

OutlineShape* AddShape(QWidget* parent, const QString& name, OutlineShape::Kind kind, QRect twips,
                       std::optional<Colour> fill)
{
    auto* shape = new OutlineShape(name, kind, 2, parent);
    PlaceInTwips(shape, twips);
    shape->SetFill(fill);
    return shape;
}

void ShrinkToFit(QLabel* label, qreal points, qreal smallestPoints)
{
    label->setProperty(ShrinkPoints, QPointF(points, smallestPoints));
    shrink(label, points, smallestPoints);
}

void ShrinkTogether(const std::vector<QLabel*>& labels, qreal points, qreal smallestPoints)
{
    // Each one fits on its own first; then all of them start from the
    // smallest size that took, in points at the classic size, and shrink on
    // from there only where another scale's rounding asks for it.
    qreal shared = points;
    for (QLabel* label : labels) {
        ShrinkToFit(label, points, smallestPoints);
        shared = std::min(shared, label->font().pointSizeF() / BookScaleOf(label));
    }
    for (QLabel* label : labels)
        ShrinkToFit(label, shared, smallestPoints);
}

void ShrinkToFit(QLineEdit* box, qreal points, const QString& longest, qreal smallestPoints)
{
    box->setProperty(ShrinkPoints, QPointF(points, smallestPoints));
    box->setProperty(ShrinkSample, longest);
    shrink(box, points, smallestPoints, longest);
}

void SetTextInset(QLabel* label, int leftTwips, int rightTwips)
{
    label->setProperty(TextInset, QPoint(leftTwips, rightTwips));
    const double scale = BookScaleOf(label);
    label->setContentsMargins(TwipsToPixels(leftTwips, scale), 0, TwipsToPixels(rightTwips, scale), 0);
}

QLabel* AddLabel(QWidget* parent, const LabelRow& row)
{
    auto* label = new QLabel(row.text, parent);
    label->setObjectName(row.name);
    label->setTextFormat(Qt::PlainText);  // a caption or a child's name, never markup
    PlaceInTwips(label, row.place);
    SetBookFont(label, FaceFont(row.style & Sans ? Face::Sans : Face::Comic, row.points, row.style & Bold));
    label->setAlignment(row.style & Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(row.style & Wrapped);
    SetTextColour(label, row.colour);
    if (row.background)
        SetBackground(label, *row.background);
    return label;
}

Picture* AddPicture(QWidget* parent, const PictureRow& row)
{
    auto* picture = new Picture(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.picture)), parent);
    picture->setObjectName(row.name);
    PlaceInTwips(picture, row.place);
    picture->setToolTip(row.toolTip);
    picture->setAccessibleName(picture->toolTip());
    if (picture->toolTip().isEmpty())
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    return picture;
}

QWidget* AddBox(QWidget* parent, const QString& name, QRect twips, Colour background)
{
    auto* box = new QWidget(parent);
    box->setObjectName(name);
    PlaceInTwips(box, twips);
    SetBackground(box, background);
    return box;
}

QScrollBar* AddScrollBar(QWidget* parent, const QString& name)
{
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

QProgressBar* AddProgressBar(QWidget* parent, const QString& name, QRect twips)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    PlaceInTwips(bar, twips);
    bar->setTextVisible(false);
    return bar;
}

void SetUpSmallWindow(QWidget* window, const QString& name, const QString& caption, QSize twips)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    SetFixedTwipsSize(window, twips);
    SetBackground(window, Black);
    // As the main window: the focus is the window's until Tab moves it.
    window->setFocusPolicy(Qt::ClickFocus);
    window->setFocus();
    new FocusRing(window);
}

void PlaceRightOfBar(QWidget* page, int barWidth)
{
    const QWidget* view = page->parentWidget();
    const int bar = TwipsToPixels(barWidth, BookScaleOf(page));
    page->setGeometry(bar, 0, view->width() - bar, view->height());
}

void PlaceInTwips(QWidget* control, QRect twips)
{
    if (twips.isNull())
        return;
    control->setProperty(TwipsPlace, twips);
    control->setGeometry(TwipsRect(twips, BookScaleOf(control)));
}

void SetFixedTwipsSize(QWidget* window, QSize twips)
{
    window->setProperty(TwipsFixedSize, twips);
    window->setFixedSize(TwipsSize(twips, BookScaleOf(window)));
}

void SetBookFont(QWidget* control, QFont font)
{
    control->setProperty(FontPoints, font.pointSizeF());
    font.setPointSizeF(ScaledPoints(font.pointSizeF(), BookScaleOf(control)));
    control->setFont(font);
}

double BookScaleOf(const QWidget* control)
{
    for (const QWidget* widget = control; widget; widget = widget->parentWidget()) {
        const QVariant scale = widget->property(ScaleProperty);
        if (scale.isValid())
            return scale.toDouble();
    }
    return 1;
}

void SetBookScale(QWidget* window, double scale)
{
    window->setProperty(ScaleProperty, scale > 0 ? scale : 1.0);
}

void RescaleControls(QWidget* root)
{
    // Parents before their children: a label that shrinks its font to fit
    // measures its new width.
    rescaleOne(root);
    for (QWidget* control : root->findChildren<QWidget*>())
        rescaleOne(control);
}

void SetBackground(QWidget* widget, Colour colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, Colour colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, ToQColor(colour));
    p.setColor(QPalette::Text, ToQColor(colour));
    widget->setPalette(p);
}

}  // namespace atoz
