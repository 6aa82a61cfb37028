#pragma once

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
    // range (the bar starts at `minimum`) and shows it at once.
    void ShowProgress(QWidget* owner, int minimum, int maximum, const QString& header);
    // Moves the bar on by n, clamped to its range, and shows it at once.
    void StepProgress(int n);
    void CloseProgress();

    frmProgressForm* Current() const { return window_; }

private:
    // A child of its owner, which may go first and take the window with it.
    QPointer<frmProgressForm> window_;
};

// Keeps a window above all ordinary windows, without moving or resizing it.
void MakeTopMost(QWidget* window);

}  // namespace atoz
