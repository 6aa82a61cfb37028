// The book in a real window, timed the way a child meets it: start-up to the
// home view painted, and a click on copy 1's tile to the contents sheet with
// its thumbnails painted; with resident memory at start, with the copy open,
// and with a page being coloured. Each figure is set against a bare start,
// `PROGRAM --help` (process, libraries, Qt, display connection), measured in
// the same round, so that a busy machine shows in both.
//
//   bench_realwindow [--runs N] [--shots DIR] [--scale F] LABEL=PROGRAM [LABEL=PROGRAM ...]
//
// The programs are run in turn, round after round, each on fresh folders, at
// the book's classic size on a 640 x 480 screen or, with --scale (up to
// 2.5), at that scale on a 1920 x 1080 screen. The
// benchmark starts its own X server (Xvfb) and stops it by the process it
// started. "Painted" is the last change the server reports through XDamage
// before the screen stays still: the tool clicks with XTest and listens for
// damage to the root window, which takes in every window on it. The frame on
// screen at the end of each opening is compared across the programs: they
// must show the child the same picture. Run by hand, not by ctest.

#include "mainwindow/colouringview.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/homeview.h"
#include "platform/twips.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "bench_realwindow: %s\n", what.c_str());
    std::exit(1);
}

// Starts `argv` with `env` added to this process's environment; its output
// goes to /dev/null unless `keepOutput`.
pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, int outputFd = -1)
{
    std::vector<std::string> environment(env);
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        if (std::none_of(env.begin(), env.end(), [&](const std::string& s) { return s.rfind(name + '=', 0) == 0; }))
            environment.push_back(entry);
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : environment)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(outputFd >= 0 ? outputFd : null, 1);
        if (outputFd < 0)
            dup2(null, 2);
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    return pid;
}

// Ends a process this tool started: SIGTERM, then SIGKILL after two seconds.
void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

double residentMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024;
    return 0;
}

class Server
{
public:
    explicit Server(bool large)
    {
        int fds[2];
        if (pipe(fds) != 0)
            fail("pipe failed");
        // A 640 x 480 screen: the book fits it at scale 1, whichever build
        // runs; 1920 x 1080 fits it at 2.5.
        pid_ = spawn({findXvfb(), "-displayfd", std::to_string(fds[1]), "-screen", "0",
                      large ? "1920x1080x24" : "640x480x24", "-nolisten", "tcp"},
                     {});
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty())
            fail("Xvfb did not start");
        name_ = ':' + number;
        display_ = XOpenDisplay(name_.c_str());
        if (!display_)
            fail("cannot connect to " + name_);
        int error = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &error))
            fail("the X server has no DAMAGE extension");
        int major = 0;
        int minor = 0;
        if (!XTestQueryExtension(display_, &error, &error, &major, &minor))
            fail("the X server has no XTEST extension");
        damage_ = XDamageCreate(display_, DefaultRootWindow(display_), XDamageReportNonEmpty);
        // Windows mapped on the screen: a window is found as it shows, without
        // polling, and no change is timed late.
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~Server()
    {
        XDamageDestroy(display_, damage_);
        XCloseDisplay(display_);
        stop(pid_);
    }

    const std::string& name() const { return name_; }

    // A change to the screen, taken from the damage to come.
    bool isDamage(const XEvent& event)
    {
        if (event.type != damageEvent_ + XDamageNotify)
            return false;
        XDamageSubtract(display_, damage_, None, None);
        return true;
    }
    Display* display() const { return display_; }

    // Forgets every change reported so far.
    void forgetDamage()
    {
        XSync(display_, False);
        XDamageSubtract(display_, damage_, None, None);
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
        }
        changedWhileFinding_.reset();
    }

    // Waits until the screen has not changed for `quiet` ms (or `limit` ms
    // have gone by) and gives the time of the last change; nullopt when
    // nothing changed at all.
    std::optional<Clock::time_point> lastChange(int quiet, int limit = 10000)
    {
        std::optional<Clock::time_point> last = std::exchange(changedWhileFinding_, std::nullopt);
        const Clock::time_point start = Clock::now();
        for (;;) {
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                if (isDamage(event))
                    last = Clock::now();
            }
            const Clock::time_point now = Clock::now();
            const Clock::time_point since = last.value_or(start);
            const double left = quiet - millisecondsBetween(since, now);
            if (left <= 0 || millisecondsBetween(start, now) > limit)
                return last;
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            XFlush(display_);
            poll(&fd, 1, std::max(1, int(left)));
        }
    }

    // The top-level window with that title, once it is mapped. Changes to the
    // screen meanwhile are timed as they come, for lastChange.
    Window findWindow(const std::string& title, int limit = 10000)
    {
        const Clock::time_point start = Clock::now();
        for (;;) {
            while (XPending(display_)) {
                XEvent event;
                XNextEvent(display_, &event);
                if (isDamage(event)) {
                    changedWhileFinding_ = Clock::now();
                } else if (event.type == MapNotify) {
                    char* name = nullptr;
                    if (XFetchName(display_, event.xmap.window, &name) && name) {
                        const bool found = title == name;
                        XFree(name);
                        if (found)
                            return event.xmap.window;
                    }
                }
            }
            const double left = limit - millisecondsBetween(start, Clock::now());
            if (left <= 0)
                return 0;
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            XFlush(display_);
            poll(&fd, 1, std::max(1, int(left)));
        }
    }

    // Where a point of the window's client area is on the screen.
    std::pair<int, int> onScreen(Window window, int x, int y)
    {
        int rootX = 0;
        int rootY = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY, &child);
        return {rootX, rootY};
    }

    void moveTo(std::pair<int, int> at)
    {
        XTestFakeMotionEvent(display_, DefaultScreen(display_), at.first, at.second, CurrentTime);
        XFlush(display_);
    }

    void click()
    {
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XFlush(display_);
    }

    // The window's pixels as they are on screen now: rows of 0x00RRGGBB.
    std::vector<std::uint32_t> grab(Window window, int& width, int& height)
    {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window, &attributes);
        width = attributes.width;
        height = attributes.height;
        std::vector<std::uint32_t> pixels;
        XImage* image = XGetImage(display_, window, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
        if (!image)
            return pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(std::uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF);
        XDestroyImage(image);
        return pixels;
    }

private:
    static std::string findXvfb()
    {
        for (const char* path : {"/usr/bin/Xvfb", "/usr/local/bin/Xvfb"})
            if (access(path, X_OK) == 0)
                return path;
        fail("Xvfb not found (apt-get install xvfb)");
    }

    pid_t pid_ = 0;
    std::string name_;
    Display* display_ = nullptr;
    int damageEvent_ = 0;
    Damage damage_ = 0;
    std::optional<Clock::time_point> changedWhileFinding_;  // the last change found by findWindow
};

struct Program
{
    std::string label;
    std::string path;
    std::map<std::string, std::vector<double>> figures;
    std::vector<std::uint32_t> lastFrame;
    int frameWidth = 0;
    int frameHeight = 0;
};

struct Options
{
    int runs = 12;
    double scale = 1;
    std::string shots;
    std::vector<Program> programs;
};

// The middle of a control in pixels of the window's client area, from its
// place in twips inside a view's page whose left edge is `barWidth` twips.
std::pair<int, int> middle(double scale, int barWidth, int left, int top, int width, int height)
{
    return {atoz::TwipsToPixels(barWidth + left + width / 2, scale), atoz::TwipsToPixels(top + height / 2, scale)};
}

void writePortableMap(const std::string& path, const std::vector<std::uint32_t>& pixels, int width, int height)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    for (std::uint32_t p : pixels) {
        const char rgb[3] = {char(p >> 16), char(p >> 8), char(p)};
        out.write(rgb, 3);
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One round of one program: the bare start, then the book started, copy 1
// opened, page A opened and filled once, and the book ended.
void runOnce(Server& server, Program& program, int round, const Options& options)
{
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("bench_realwindow." + std::to_string(getpid()));
    std::filesystem::remove_all(home);
    for (const char* dir : {"pages", "config", "data", "runtime"})
        std::filesystem::create_directories(home / dir);
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    const std::vector<std::string> env = {
        "DISPLAY=" + server.name(),
        "QT_QPA_PLATFORM=xcb",
        "XDG_CONFIG_HOME=" + (home / "config").string(),
        "XDG_DATA_HOME=" + (home / "data").string(),
        "XDG_RUNTIME_DIR=" + (home / "runtime").string(),
    };

    // The bare start: the same process, libraries, Qt and display connection.
    Clock::time_point t0 = Clock::now();
    pid_t pid = spawn({program.path, "--help"}, env);
    waitpid(pid, nullptr, 0);
    const double bare = millisecondsBetween(t0, Clock::now());

    // Start-up to the home view painted.
    server.forgetDamage();
    t0 = Clock::now();
    pid = spawn({program.path, "--data-dir", (home / "pages").string(), "--scale", std::to_string(options.scale)}, env);
    const Window window = server.findWindow("Book 2: A to Z");
    if (!window)
        fail(program.label + ": the window did not show");
    const std::optional<Clock::time_point> started = server.lastChange(800);
    if (!started)
        fail(program.label + ": nothing was painted");
    const double startUp = millisecondsBetween(t0, *started);
    const double residentAtStart = residentMegabytes(pid);

    // A click on copy 1's tile, to the last thumbnail painted.
    const auto [tileX, tileY] = middle(options.scale, atoz::HomeView::BarWidth, 1350, 2490, 1365, 1635);
    server.moveTo(server.onScreen(window, tileX, tileY));
    server.lastChange(300);
    server.forgetDamage();
    t0 = Clock::now();
    server.click();
    const std::optional<Clock::time_point> opened = server.lastChange(600);
    if (!opened)
        fail(program.label + ": the click on the tile changed nothing");
    const double open = millisecondsBetween(t0, *opened);
    const double residentOpen = residentMegabytes(pid);
    program.lastFrame = server.grab(window, program.frameWidth, program.frameHeight);
    if (!options.shots.empty())
        writePortableMap(options.shots + "/" + program.label + "-contents-" + std::to_string(round) + ".ppm",
                         program.lastFrame, program.frameWidth, program.frameHeight);

    // Page A for colouring, and one fill of the area outside the letter;
    // then long enough for the page's background write.
    const auto [thumbX, thumbY] = middle(options.scale, atoz::ContentsView::BarWidth, 100, 100, 2120, 1766);
    server.moveTo(server.onScreen(window, thumbX, thumbY));
    server.lastChange(300);
    server.click();
    server.lastChange(600);
    server.moveTo(server.onScreen(window, atoz::TwipsToPixels(atoz::ColouringView::BarWidth, options.scale) + 5, 5));
    server.lastChange(300);
    server.click();
    server.lastChange(1500);
    const double residentColouring = residentMegabytes(pid);

    stop(pid);
    std::filesystem::remove_all(home);

    auto& f = program.figures;
    f["bare_ms"].push_back(bare);
    f["startup_ms"].push_back(startUp);
    f["startup_per_bare"].push_back(startUp / bare);
    f["open_ms"].push_back(open);
    f["open_per_bare"].push_back(open / bare);
    f["resident_start_MB"].push_back(residentAtStart);
    f["resident_open_MB"].push_back(residentOpen);
    f["resident_colouring_MB"].push_back(residentColouring);
    std::printf("round %2d %-8s bare %6.1f ms  start-up %6.1f ms  open %6.1f ms  resident %5.1f / %5.1f / %5.1f MB\n",
                round, program.label.c_str(), bare, startUp, open, residentAtStart, residentOpen, residentColouring);
    std::fflush(stdout);
}

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            options.runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--scale" && i + 1 < argc) {
            options.scale = std::clamp(std::atof(argv[++i]), 1.0, 2.5);
        } else if (arg == "--shots" && i + 1 < argc) {
            options.shots = argv[++i];
        } else if (const size_t eq = arg.find('='); eq != std::string::npos && eq > 0) {
            Program program;
            program.label = arg.substr(0, eq);
            program.path = std::filesystem::absolute(arg.substr(eq + 1)).string();
            options.programs.push_back(program);
        } else {
            fail("usage: bench_realwindow [--runs N] [--shots DIR] [--scale F] LABEL=PROGRAM [LABEL=PROGRAM ...]");
        }
    }
    if (options.programs.empty())
        fail("usage: bench_realwindow [--runs N] [--shots DIR] [--scale F] LABEL=PROGRAM [LABEL=PROGRAM ...]");
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options = parse(argc, argv);
    Server server(options.scale > 1);
    std::printf("X server %s, %d rounds\n", server.name().c_str(), options.runs);
    bool sameFrames = true;
    for (int round = 1; round <= options.runs; ++round) {
        for (Program& program : options.programs)
            runOnce(server, program, round, options);
        for (const Program& program : options.programs)
            sameFrames = sameFrames && program.lastFrame == options.programs.front().lastFrame;
    }

    std::printf("\nmedian [min .. max] of %d rounds\n", options.runs);
    for (const Program& program : options.programs) {
        std::printf("%s (%s)\n", program.label.c_str(), program.path.c_str());
        for (const auto& [name, values] : program.figures) {
            const auto [low, high] = std::minmax_element(values.begin(), values.end());
            std::printf("  %-22s %8.2f [%.2f .. %.2f]\n", name.c_str(), median(values), *low, *high);
        }
    }
    if (options.programs.size() > 1) {
        const Program& first = options.programs.front();
        for (size_t p = 1; p < options.programs.size(); ++p) {
            const Program& other = options.programs[p];
            std::printf("%s / %s, round by round\n", other.label.c_str(), first.label.c_str());
            for (const char* name : {"startup_ms", "open_ms", "resident_colouring_MB"}) {
                std::vector<double> ratios;
                const auto& a = first.figures.at(name);
                const auto& b = other.figures.at(name);
                for (size_t i = 0; i < a.size(); ++i)
                    ratios.push_back(b[i] / a[i]);
                const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
                std::printf("  %-22s %8.2f [%.2f .. %.2f]\n", name, median(ratios), *low, *high);
            }
        }
        std::printf("contents sheet on screen after opening: %s\n",
                    sameFrames ? "the same for every program" : "DIFFERS between programs");
    }
    return 0;
}
