#pragma once

#include "mainwindow/mainwindow.h"
#include "platform/settingsstore.h"
#include "platform/ui/browser.h"
#include "platform/ui/services.h"

#include <QApplication>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

namespace atoz::test {

// Records every message instead of showing it, and runs `whenShown`, if
// set, as the child reads it.
struct FakeMessageBox final : MessageBox
{
    void Inform(QWidget*, const QString& title, const QString& text) override
    {
        shown.append({title, text});
        if (whenShown)
            whenShown();
    }
    QList<QPair<QString, QString>> shown;
    std::function<void()> whenShown;
};

// Answers with `answer` (nothing: cancel), remembering where it opened.
struct FakeColourDialog final : ColourDialog
{
    std::optional<Colour> ChooseColour(QWidget*, Colour initial) override { return opened.append(initial), answer; }
    std::optional<Colour> answer;
    QList<Colour> opened;
};

// Answers with `answer` (empty: cancel), remembering what it proposed.
struct FakeFileDialog final : FileDialog
{
    QString SaveFileName(QWidget*, const QString& proposed, const QStringList&) override
    {
        return proposals.append(proposed), answer;
    }
    QString answer;
    QStringList proposals;
};

// A printer on paper of `sheet` twips (portrait), recording every page.
struct FakePrinter final : Printer
{
    bool IsInstalled() override { return installed; }
    QString DeviceName() override { return QStringLiteral("Kitchen Printer"); }
    bool IsLandscape() override { return landscape; }
    void ChoosePrinter(QWidget*) override { ++dialogsShown; }
    void SetOrientation(bool turned) override { landscape = turned; }
    QSizeF PageSize() override { return landscape ? sheet.transposed() : sheet; }
    bool PrintPicture(const QImage& picture, const QPainterPath& outline, const QRectF& twips, const QString&) override
    {
        return printed.append({picture, twips, landscape, outline}), !refuses;
    }
    struct Page { QImage picture; QRectF twips; bool landscape; QPainterPath outline; };
    bool installed = true, refuses = false, landscape = false;
    QSizeF sheet{12240, 15840};  // US letter
    int dialogsShown = 0;
    QList<Page> printed;
};

// Browsers that load nothing: every call to any of them is written down in
// `calls`, as "stop" or "navigate ADDRESS".
struct FakeBrowsers final : Browsers
{
    struct FakeBrowser final : Browser
    {
        FakeBrowser(QStringList& calls, QWidget* parent) : Browser(parent), calls(calls) {}
        void Navigate(const QUrl& address) override { calls.append("navigate " + address.toString()); }
        void Stop() override { calls.append("stop"); }
        QStringList& calls;
    };
    Browser* CreateBrowser(QWidget* parent) override { return new FakeBrowser(calls, parent); }
    QStringList calls;
};

// The services a window receives, scripted: what the child would see is
// recorded, what the child would answer is set beforehand.
struct FakeServices
{
    FakeMessageBox messages;
    FakeColourDialog colours;
    FakeFileDialog files;
    FakePrinter printer;
    FakeBrowsers browsers;
    Services services() { return {messages, colours, files, printer, browsers}; }
};

// The descendant of `parent` with that objectName; fails the test run loudly
// when there is none, since every control is found by its name.
template <typename T = QWidget>
T* Find(const QObject* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (!child)
        qFatal("no control named %s", qPrintable(name));
    return child;
}

// Clicks the control named `control` in `window` through the window system's
// event path, as a child's mouse does: "Name" its middle, "Name@x,y" a point
// of it; `twice` a double-click.
void Click(QWidget* window, const QString& control, Qt::MouseButton button = Qt::LeftButton, bool twice = false);

// The book as a child starts it: the real main window on a fresh folder and
// settings file of its own, with scripted services.
class Book
{
public:
    // At the book's classic size, or at `scale`.
    explicit Book(double scale = 1) : scale_(scale) { Start(); }
    // A new run on the same settings; the pages in `pageDirectory`, by default
    // the book's own folder.
    void Start(const QString& pageDirectory = QString());

    frmRezivIdod& window() const { return *window_; }
    template <typename T = QWidget>
    T* Find(const QString& name) const { return test::Find<T>(window_.get(), name); }
    QString PageFile(int folder, int page) const;
    // The page being coloured, as it is now.
    const QImage& page() const;
    // Clicks each control of `steps`, separated by spaces, as test::Click
    // does; "close" closes the window as its close box does.
    void Click(const QString& steps, Qt::MouseButton button = Qt::LeftButton, bool twice = false);
    // Opens page `page` of copy `folder` for colouring, as a child does.
    void OpenPage(int folder, int page) { Click(QStringLiteral("OpenFolder_%1 Thumbnail_%2").arg(folder).arg(page)); }

    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("settings.ini")};
    FakeServices services;

private:
    double scale_;
    std::unique_ptr<frmRezivIdod> window_;
};

// What WhenModal returns. When it goes (at the end of the scope that holds
// it), it fails the test unless the answer ran, waiting up to ten seconds for
// a modal window that is slow to come.
class ModalAnswer
{
public:
    struct State
    {
        QTimer poll;
        bool answered = false;
    };
    explicit ModalAnswer(std::shared_ptr<State> state) : state_(std::move(state)) {}
    ModalAnswer(ModalAnswer&&) = default;
    ~ModalAnswer();

private:
    std::shared_ptr<State> state_;
};

// Runs `answer` on the modal window of type `Window` once it shows: call it
// just before the click that opens the window, which returns once `answer`
// has closed it. Keep what it returns until then; the test fails when no
// such window came.
template <typename Window>
[[nodiscard]] ModalAnswer WhenModal(std::function<void(Window*)> answer)
{
    auto state = std::make_shared<ModalAnswer::State>();
    QObject::connect(&state->poll, &QTimer::timeout, [state = state.get(), answer] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window || state->answered)
            return;
        state->answered = true;
        state->poll.stop();
        answer(window);
    });
    state->poll.start(10);
    return ModalAnswer(std::move(state));
}

// A small page drawn from text rows: '#' is an outline pixel (Colour 0), '.'
// white, 'r' red, 'n' NearBlack, 'b' blue.
QImage PageFromRows(const QStringList& rows);
// The rows of a page back as text, for readable comparisons.
QStringList RowsOf(const QImage& page);

// The library page with every white pixel painted `colour`: a coloured page.
QImage ColouredPage(int page, quint32 colour);

// A point well inside an area of `page` that does not reach the page's edge:
// a click there colours part of the letter.
QPoint PointInside(const QImage& page);

QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

// A path below `directory` that nobody can write, not even root: its parent
// is a regular file.
QString UnwritablePath(const QString& directory, const QString& fileName);

// Makes `path` an odd thing a page's name can stand for in a copy's folder:
// "fifo" that no one writes to, "zeros" (a link to /dev/zero), "directory",
// "oversized" (a bitmap's header on more bytes than any picture takes) or
// "slow svg" (a 1 KB SVG that takes seconds to draw).
void MakeOddFile(const QString& path, const QString& kind);
// What stands at `path`, not following a link: "file", "link", "fifo",
// "directory", "other" or "none".
QString KindOf(const QString& path);
// Runs `write` as if the disk filled up after `bytes` in any one file; that
// stops root as well.
void WithFullDisk(qint64 bytes, const std::function<void()>& write);
// Sets a file's last change `seconds` back.
void AgeFile(const QString& path, int seconds);

// The environment of the built program started by a test: a home of its own
// below `home` (its runtime folder private, as the system makes it; the
// system-wide settings in xdg/Vorlane/RezivIdod.ini below it), speaking
// English, and `asanOptions` added to AddressSanitizer's own when it runs
// under one.
QProcessEnvironment ProgramEnvironment(const QTemporaryDir& home, const QString& asanOptions);

// Starts `program` with `arguments` in `process`, as `user` when one is named
// (this test runs as root): the process is the program's own.
void StartAs(QProcess& process, const QString& user, const QString& program, const QStringList& arguments);

// A session bus of the test's own, as every desktop session has: a
// dbus-daemon that starts no services, run by `user` (or this test) with its
// files in `directory`, and stopped by the process this started. A program
// given its address starts no bus of its own.
class SessionBus
{
public:
    explicit SessionBus(const QString& directory, const QString& user = QString());
    ~SessionBus();
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    // Empty when no bus could be started.
    QString address() const { return address_; }

private:
    QProcess daemon_;
    QString address_;
};

// The built program in real X windows under a private X server on a free
// display, with a home and a session bus of its own, clicked by xdotool like
// a child's mouse. The programs, the bus and then the server are stopped by
// the processes this started.
class RealBook
{
public:
    // Whether this machine has Xvfb, xdotool and dbus-daemon.
    static bool Possible();
    // Starts the X server, the bus and, given `arguments`, the program, as
    // `user` when one is named, and waits for its main window's first frame.
    explicit RealBook(const QStringList& arguments = {}, QSize screen = QSize(1024, 768),
                      const QString& user = QString());
    ~RealBook();
    RealBook(const RealBook&) = delete;
    RealBook& operator=(const RealBook&) = delete;

    // The first run of the program, and a wait for its main window's first
    // frame: false when it did not show.
    bool StartBook(const QStringList& arguments);
    // Another run of the program on this display.
    QProcess& Start(const QStringList& arguments);
    QProcess& program() { return *programs_.front(); }
    // What `program` has said on standard error so far; it goes on to this
    // test's standard error as well.
    QString Errors(const QProcess& program) const { return QString::fromLocal8Bit(errors_.at(&program)); }
    QString Xdotool(const QStringList& arguments) const;
    // The whole screen as it is now, as the X server draws it.
    QImage Screen() const;
    // A click at `twips` (its middle) in the part of the window that starts
    // `leftTwips` from its left edge (the book at `scale`), or at `pixels` in
    // the window; then the
    // pointer goes to the screen's corner. True once the screen has changed
    // within those twips, or around those pixels, and no progress window
    // stands over the book, each within 20 s: the program has taken the
    // click and done what it does.
    [[nodiscard]] bool Click(int leftTwips, QRect twips);
    [[nodiscard]] bool Click(QPoint pixels);
    // The same click, for one that changes nothing under it, without a wait.
    void ClickOnly(QPoint pixels);
    double scale = 1;  // the book's, as the program was started
    // Exit on the bar, and the program's end.
    bool Exit();
    // Ends the server before its time, as a display that goes away.
    void StopDisplay();

    QTemporaryDir home;
    QHash<QString, QString> environment;  // set for the runs started after, over ProgramEnvironment's
    QString display;
    QString window;  // the first program's, empty when it did not show

private:
    QRect windowOnScreen() const;
    bool clickAndWatch(QPoint pixels, QRect watched);

    QString user_;
    QProcess server_;
    QSize screen_;
    std::unique_ptr<SessionBus> bus_;
    std::map<const QProcess*, QByteArray> errors_;  // outlives the programs, which write to it to their end
    std::vector<std::unique_ptr<QProcess>> programs_;
};

}  // namespace atoz::test
