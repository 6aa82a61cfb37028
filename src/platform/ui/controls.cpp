#include "controls.h"

#include "platform/twips.h"
#include "platform/ui/fonts.h"

#include <QPainter>
#include <QSvgRenderer>

namespace atoz {

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
    painter.setPen(QPen(Qt::white, borderWidth_));
    painter.setBrush(fill_ ? QBrush(ToQColor(*fill_)) : QBrush(Qt::NoBrush));
    const qreal inset = borderWidth_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Kind::Oval)
        painter.drawEllipse(r);
    else
        painter.drawRoundedRect(r, 6, 6);
}

OutlineShape* AddShape(QWidget* parent, const QString& name, OutlineShape::Kind kind, QRect twips,
                       std::optional<Colour> fill)
{
    auto* shape = new OutlineShape(name, kind, 2, parent);
    shape->setGeometry(TwipsRect(twips));
    shape->SetFill(fill);
    return shape;
}

void ShrinkToFit(QLabel* label, qreal points, qreal smallestPoints)
{
    QFont font = label->font();
    font.setPointSizeF(points);
    while (font.pointSizeF() > smallestPoints
           && QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

QLabel* AddLabel(QWidget* parent, const LabelRow& row)
{
    auto* label = new QLabel(row.text, parent);
    label->setObjectName(row.name);
    label->setTextFormat(Qt::PlainText);  // a caption or a child's name, never markup
    label->setGeometry(TwipsRect(row.place));
    label->setFont(ComicFont(row.points, !(row.style & Regular)));
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
    picture->setGeometry(TwipsRect(row.place));
    picture->setToolTip(QString::fromUtf8(row.toolTip));
    picture->setAccessibleName(picture->toolTip());
    return picture;
}

QWidget* AddBox(QWidget* parent, const QString& name, QRect twips, Colour background)
{
    auto* box = new QWidget(parent);
    box->setObjectName(name);
    box->setGeometry(TwipsRect(twips));
    SetBackground(box, background);
    return box;
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
