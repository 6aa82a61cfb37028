#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace atoz {

// The small window that stands over the main window while a folder's pages
// load: a header and a progress bar, on black. It stays above the main window
// and takes no input.
class frmProgressForm : public QWidget
{
    Q_OBJECT

public:
    explicit frmProgressForm(QWidget* owner);

    QLabel* HeaderText() const { return header_; }
    QProgressBar* Bar() const { return bar_; }

private:
    QLabel* header_;
    QProgressBar* bar_;
};

// The progress window that is showing, if any. One at a time: showing a new
// one replaces the old.
class Progress
{
public:
    Progress() = default;
    ~Progress() { CloseProgress(); }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Creates a progress window centred over `owner`, sets its header and its
    // range (the bar starts at `minimum`) and shows it at once, with whatever
    // else waits to be painted.
    void ShowProgress(QWidget* owner, int minimum, int maximum, const QString& header);
    // Moves the bar on by n, clamped to its range. The bar, and whatever else
    // waits to be painted, is shown once a display frame has gone by since
    // the last showing: a screen shows no more than that, and each showing is
    // a round trip to the display that would hold the work up.
    void StepProgress(int n);
    // Shows the last step, if it is not on screen yet, at the next frame.
    void ShowLastStep();
    void CloseProgress();

    frmProgressForm* current() const { return window_; }

private:
    void showAtFrame();
    qint64 frameNanoseconds() const;

    // A child of its owner, which may go first and take the window with it.
    QPointer<frmProgressForm> window_;
    QElapsedTimer shown_;  // since the window was last shown
    bool unshown_ = false; // a step is waiting for its frame
};

// Keeps a window above all ordinary windows, without moving or resizing it.
void MakeTopMost(QWidget* window);

}  // namespace atoz
