#include "dialogscale.h"

#include "platform/ui/controls.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace atoz {

namespace {

// Shows a control whose drawing has a fixed size (the colour chooser's
// cells) `scale` times as big: it is drawn at its own size into a picture
// of `scale` times the pixels, which is shown, and the mouse's positions go
// to it shrunk back. Its keys and focus are its own.
class Magnifier final : public QObject
{
public:
    Magnifier(QWidget* control, double scale) : QObject(control), control_(control), scale_(scale)
    {
        own_ = control->sizeHint();
        control->setFixedSize((QSizeF(own_) * scale).toSize());
        control->setAcceptDrops(false);  // a drop would land at the unscaled place
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (forwarding_)
            return false;
        switch (event->type()) {
        case QEvent::Paint:
            return paint(static_cast<QPaintEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            QMouseEvent shrunk(mouse->type(), mouse->position() / scale_, mouse->scenePosition(),
                               mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers(),
                               mouse->pointingDevice());
            forwarding_ = true;
            QCoreApplication::sendEvent(control_, &shrunk);
            forwarding_ = false;
            return true;
        }
        default:
            return false;
        }
    }

private:
    bool paint(QPaintEvent* event)
    {
        if (event->rect() != control_->rect()) {
            control_->update();  // a part at its own size is a different part here
            return true;
        }
        const qreal ratio = control_->devicePixelRatioF() * scale_;
        QPixmap drawn((QSizeF(own_) * ratio).toSize());
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(control_->palette().color(QPalette::Window));
        // Drawn from within its own paint event: Qt draws a control into a
        // picture only outside one.
        forwarding_ = true;
        control_->setAttribute(Qt::WA_WState_InPaintEvent, false);
        control_->render(&drawn, QPoint(), QRegion(QRect(QPoint(), own_)), QWidget::DrawWindowBackground);
        control_->setAttribute(Qt::WA_WState_InPaintEvent, true);
        forwarding_ = false;
        QPainter painter(control_);
        painter.drawPixmap(control_->rect(), drawn);
        return true;
    }

    QWidget* control_;
    double scale_;
    QSize own_;
    bool forwarding_ = false;
};

QFont scaledFont(const QWidget* dialog, double scale)
{
    QFont font = QApplication::font(dialog);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
    return font;
}

void scaleColourChooser(QColorDialog* dialog, double scale)
{
    // Qt's private parts of the chooser, found by what they are: the cells
    // of the basic and custom colours, the colour field, the brightness
    // strip and the sample of the colour chosen.
    for (QWidget* part : dialog->findChildren<QWidget*>()) {
        const QByteArray kind = part->metaObject()->className();
        if (kind.endsWith("QColorWell") || kind.endsWith("QWellArray"))
            new Magnifier(part, scale);
        else if (kind.endsWith("QColorPicker"))
            part->setFixedSize((QSizeF(part->sizeHint()) * scale).toSize());
        else if (kind.endsWith("QColorLuminancePicker"))
            part->setFixedWidth(int(std::lround(part->width() * scale)));
        else if (kind.endsWith("QColorShowLabel"))
            part->setMinimumWidth(int(std::lround(part->minimumWidth() * scale)));
    }
}

}  // namespace

void ScaleToBook(QDialog* dialog, QSize classic)
{
    const double scale = BookScaleOf(dialog);
    if (scale == 1.0)
        return;
    dialog->setFont(scaledFont(dialog, scale));
    if (auto* chooser = qobject_cast<QColorDialog*>(dialog))
        scaleColourChooser(chooser, scale);
    if (qobject_cast<QMessageBox*>(dialog)) {
        // A message box keeps its text within 500 pixels, whatever its font:
        // at the book's scale it may take as many more.
        if (auto* text = dialog->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            int longest = 0;
            for (const QString& line : text->text().split(u'\n'))
                longest = std::max(longest, text->fontMetrics().horizontalAdvance(line));
            text->setMinimumWidth(std::min(longest, int(std::lround(500 * scale))));
        }
        return;  // it sizes itself
    }
    QSize size = dialog->sizeHint().expandedTo((QSizeF(classic) * scale).toSize());
    if (const QScreen* screen = dialog->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    dialog->resize(size);
}

}  // namespace atoz
