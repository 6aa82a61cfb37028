#include "progresswindow.h"

#include "platform/ui/controls.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <thread>

namespace atoz {

namespace {

// The display's frame rate when the screen does not tell.
constexpr qreal UsualRefreshRate = 60;

// Paints the window and lets the window system show it, while clicks and keys
// wait in the queue until loading is over. Pages load on this thread right
// after, and the event loop does not turn until they are all in: the update
// is painted here, by the events handled now.
void showNow(QWidget* window)
{
    window->update();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

frmProgressForm::frmProgressForm(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    SetUpSmallWindow(this, QStringLiteral("frmProgressForm"), QStringLiteral("Vorlane Coloring Books"), {6105, 870});
    setAttribute(Qt::WA_ShowWithoutActivating);

    header_ = AddLabel(this, {"HeaderText", {60, 60, 5985, 405}, QString(), White, 12, Bold | Centred, Black});
    bar_ = AddProgressBar(this, QStringLiteral("Bar"), {60, 420, 6015, 375});
}

void Progress::ShowProgress(QWidget* owner, int minimum, int maximum, const QString& header)
{
    CloseProgress();
    window_ = new frmProgressForm(owner);
    if (owner) {
        const QRect outer = owner->window()->frameGeometry();
        window_->move((outer.width() - window_->width()) / 2 + outer.left(),
                      (outer.height() - window_->height()) / 2 + outer.top());
    }
    window_->HeaderText()->setText(header);
    window_->Bar()->setRange(minimum, maximum);
    window_->Bar()->setValue(minimum);
    MakeTopMost(window_);
    window_->show();
    showNow(window_);
    shown_.start();
    unshown_ = false;
}

void Progress::StepProgress(int n)
{
    if (!window_)
        return;
    QProgressBar* bar = window_->Bar();
    const qint64 next = qint64(bar->value()) + n;
    bar->setUpdatesEnabled(false);  // the bar repaints itself on every new value; it waits for the frame
    bar->setValue(int(std::clamp<qint64>(next, bar->minimum(), bar->maximum())));
    unshown_ = true;
    if (shown_.nsecsElapsed() >= frameNanoseconds())
        showAtFrame();
}

void Progress::ShowLastStep()
{
    if (!window_ || !unshown_)
        return;
    const qint64 wait = frameNanoseconds() - shown_.nsecsElapsed();
    if (wait > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
    showAtFrame();
}

void Progress::showAtFrame()
{
    window_->Bar()->setUpdatesEnabled(true);  // and marks it for painting
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    shown_.start();
    unshown_ = false;
}

qint64 Progress::frameNanoseconds() const
{
    const QScreen* screen = window_ ? window_->screen() : nullptr;
    const qreal rate = screen && screen->refreshRate() >= 1 ? screen->refreshRate() : UsualRefreshRate;
    return qint64(1e9 / std::clamp<qreal>(rate, 24, 240));
}

void Progress::CloseProgress()
{
    delete window_.data();
}

void MakeTopMost(QWidget* window)
{
    const QRect geometry = window->geometry();
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);  // hides a visible window
    window->setGeometry(geometry);
    if (visible)
        window->show();
}

}  // namespace atoz
