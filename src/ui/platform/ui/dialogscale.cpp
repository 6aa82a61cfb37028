#include "dialogscale.h"

#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QColorDialog>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QTreeView>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace atoz {

namespace {

// Shows a control whose drawing has a fixed size (the colour chooser's
// cells) `scale` times as big: a cover over it shows its drawing, made at
// its own size into a picture of `scale` times the pixels, and hands the
// mouse on to it at the unscaled place. Its keys and focus stay its own; a
// change it draws repaints the cover over it.
class Magnifier final : public QWidget
{
public:
    Magnifier(QWidget* control, double scale) : QWidget(control), control_(control), scale_(scale)
    {
        own_ = control->sizeHint();
        control->setFixedSize((QSizeF(own_) * scale).toSize());
        control->setAcceptDrops(false);  // a drop would land at the unscaled place
        setGeometry(control->rect());
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
        HideFromScreenReaders(this);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF() * scale_;
        QPixmap drawn((QSizeF(own_) * ratio).toSize());
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(palette().color(QPalette::Window));
        control_->render(&drawn, QPoint(), QRegion(QRect(QPoint(), own_)), QWidget::DrawWindowBackground);
        QPainter(this).drawPixmap(rect(), drawn);
    }
    bool event(QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            QMouseEvent shrunk(mouse->type(), mouse->position() / scale_, mouse->scenePosition(),
                               mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers(),
                               mouse->pointingDevice());
            if (event->type() == QEvent::MouseButtonPress)
                control_->setFocus(Qt::MouseFocusReason);
            QCoreApplication::sendEvent(control_, &shrunk);
            update();
            return true;
        }
        default:
            return QWidget::event(event);
        }
    }

private:
    QWidget* control_;
    double scale_;
    QSize own_;
};

// Windows a dialog opens of its own (the file dialog's question before it
// replaces a file, the printer's properties) take no font from it: each is
// given the dialog's as it is made ready to show.
class OwnWindows final : public QObject
{
public:
    OwnWindows(QDialog* dialog, const QFont& font) : QObject(dialog), font_(font) { dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildPolished)
            if (auto* window = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
                window && window->isWindow() && !(window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip))
                window->setFont(font_);
        return false;
    }

private:
    QFont font_;
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
        qDebug() << "KIND" << kind << part->sizeHint() << part->isVisibleTo(dialog);
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
    const QFont font = scaledFont(dialog, scale);
    dialog->setFont(font);
    new OwnWindows(dialog, font);
    // Lists that drop down are windows of their own, which take no font from
    // the dialog.
    for (QComboBox* choice : dialog->findChildren<QComboBox*>())
        choice->view()->setFont(font);
    for (QCompleter* completer : dialog->findChildren<QCompleter*>())
        completer->popup()->setFont(font);
    if (auto* chooser = qobject_cast<QColorDialog*>(dialog))
        scaleColourChooser(chooser, scale);
    if (qobject_cast<QMessageBox*>(dialog)) {
        // A message box keeps its text within 500 pixels, whatever its font,
        // and itself within a width it takes from the screen: the text may
        // take 500 times the scale, within that.
        auto* text = dialog->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const QScreen* screen = dialog->screen();
        if (text && screen && dialog->layout()) {
            const int screenWidth = screen->availableGeometry().width();
            const int boxWidth = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
            const QMargins margins = dialog->layout()->contentsMargins();
            int longest = 0;
            for (const QString& line : text->text().split(u'\n'))  // and a little for rounding
                longest = std::max(longest, text->fontMetrics().horizontalAdvance(line) + int(std::lround(4 * scale)));
            const int room = boxWidth - margins.left() - margins.right() - int(std::lround(24 * scale));
            text->setMinimumWidth(std::max(0, std::min({longest, int(std::lround(500 * scale)), room})));
        }
        return;  // it sizes itself
    }
    // The file dialog's columns were set for its own text: once it shows,
    // the names take half the list and the rest share the other half.
    if (auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView")))
        QMetaObject::invokeMethod(
            list,
            [list] {
                QHeaderView* header = list->header();
                const int width = list->viewport()->width();
                const int others = std::max(1, header->count() - 1);
                for (int column = 0; column < header->count(); ++column)
                    header->resizeSection(column, column == 0 ? width / 2 : width / 2 / others);
            },
            Qt::QueuedConnection);
    QSize size = dialog->sizeHint().expandedTo((QSizeF(classic) * scale).toSize());
    if (const QScreen* screen = dialog->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    dialog->resize(size);
}

}  // namespace atoz
