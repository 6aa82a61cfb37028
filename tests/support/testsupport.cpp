#include "support/testsupport.h"

#include "pages/pagelibrary.h"
#include "pagegen/pageareas.h"
#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/twips.h"

#include <QSignalSpy>
#include <QTest>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtEndian>

#include <csignal>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace atoz::test {

namespace {

// The page rows' symbols, and the colours they stand for.
const QString Symbols = QStringLiteral("#.rnb");
constexpr Colour Colours[] = {Black, White, 255, NearBlack, 16711680};

}  // namespace

void Click(QWidget* window, const QString& control, Qt::MouseButton button, bool twice)
{
    const QStringList parts = control.split(u'@');
    const QWidget* widget = Find(window, parts[0]);
    const QStringList at = parts.value(1).split(u',');
    const QPoint point = widget->mapTo(window, at.size() == 2 ? QPoint(at[0].toInt(), at[1].toInt())
                                                              : widget->rect().center());
    if (twice)
        QTest::mouseDClick(window->windowHandle(), button, {}, point);
    else
        QTest::mouseClick(window->windowHandle(), button, {}, point);
}

void Book::Start(const QString& pageDirectory)
{
    window_.reset();
    window_ = std::make_unique<frmRezivIdod>(settings, pageDirectory.isEmpty() ? dir.path() : pageDirectory,
                                             dir.filePath("Pictures"), services.services(), scale_);
    QSignalSpy shown(window_.get(), &frmRezivIdod::firstFrameShown);
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()) || !(shown.size() || shown.wait()))
        qFatal("the main window did not show");
}

QString Book::PageFile(int folder, int page) const
{
    return window_->folder().store().FolderPageFileName(folder, page);
}

const QImage& Book::page() const
{
    return window_->folder().colouringPage().image();
}

void Book::Click(const QString& steps, Qt::MouseButton button, bool twice)
{
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts))
        step == QLatin1String("close") ? void(window_->close()) : test::Click(window_.get(), step, button, twice);
}

ModalAnswer::~ModalAnswer()
{
    if (state_ && !QTest::qWaitFor([this] { return state_->answered; }, 10000))
        QTest::qFail("no modal window came to be answered", __FILE__, __LINE__);
}

QImage PageFromRows(const QStringList& rows)
{
    QImage page(int(rows.value(0).size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            page.setPixel(x, y, ToQRgb(Colours[Symbols.indexOf(rows[y][x])]));
    return page;
}

QStringList RowsOf(const QImage& page)
{
    QStringList rows(page.height());
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const Colour* colour = std::find(std::begin(Colours), std::end(Colours), FromQRgb(page.pixel(x, y)));
            rows[y] += colour == std::end(Colours) ? u'?' : Symbols[colour - Colours];
        }
    return rows;
}

QImage ColouredPage(int page, quint32 colour)
{
    QImage image = LoadPagePicture(page).convertToFormat(QImage::Format_Indexed8, {ToQRgb(Black), ToQRgb(White)});
    image.setColor(1, ToQRgb(colour));
    return image.convertToFormat(QImage::Format_RGB32);
}

QPoint PointInside(const QImage& page)
{
    // The first pixel of an area inside the letter with its own area all
    // around it.
    const PageMap map(page);
    constexpr int Margin = 4;
    for (int y = Margin; y < page.height() - Margin; ++y)
        for (int x = Margin; x < page.width() - Margin; ++x) {
            const int area = map.areaAt(x, y);
            bool clear = map.isInside(area);
            for (int dy = -Margin; dy <= Margin && clear; ++dy)
                for (int dx = -Margin; dx <= Margin && clear; ++dx)
                    clear = map.areaAt(x + dx, y + dy) == area;
            if (clear)
                return {x, y};
        }
    qFatal("no area inside the page");
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString UnwritablePath(const QString& directory, const QString& fileName)
{
    const QString blocker = QDir(directory).filePath(QStringLiteral("not-a-directory"));
    WriteFile(blocker, "x");
    return blocker + u'/' + fileName;
}

void MakeOddFile(const QString& path, const QString& kind)
{
    if (kind == QLatin1String("fifo"))
        ::mkfifo(QFile::encodeName(path).constData(), 0644);
    else if (kind == QLatin1String("zeros"))
        QFile::link(QStringLiteral("/dev/zero"), path);
    else if (kind == QLatin1String("directory"))
        QDir().mkpath(path);
    else if (kind == QLatin1String("oversized")) {
        WriteFile(path, "BM");
        QFile::resize(path, MaxPictureFileSize + 1);
    } else {  // a dashed, wide stroke along twenty curves, drawn 111 times
        QString svg = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                      "width='480' height='400'><path id='a0' stroke='red' stroke-width='40' stroke-dasharray='1 1' "
                      "fill='blue' d='M0 0";
        for (int i = 0; i < 20; ++i)
            svg += QStringLiteral("C%1 400 %2 0 %3 200").arg(i * 5).arg(i * 5 + 2).arg(i * 5 + 4);
        svg += "'/>";
        for (int level = 1; level <= 2; ++level)
            svg += QStringLiteral("<g id='a%1'>%2</g>").arg(level).arg(QStringLiteral("<use xlink:href='#a%1'/>").arg(level - 1).repeated(10));
        WriteFile(path, (svg + "</svg>").toLatin1());
    }
}

QString KindOf(const QString& path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("none");
    const mode_t mode = status.st_mode;
    return S_ISREG(mode) ? "file" : S_ISLNK(mode) ? "link" : S_ISFIFO(mode) ? "fifo" : S_ISDIR(mode) ? "directory" : "other";
}

void WithFullDisk(qint64 bytes, const std::function<void()>& write)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limited);
    write();
    setrlimit(RLIMIT_FSIZE, &old);
}

void AgeFile(const QString& path, int seconds)
{
    // Any kind of file, a socket too, and a link itself.
    const timespec then{std::time(nullptr) - seconds, 0};
    const timespec times[2] = {then, then};
    if (::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
        qFatal("cannot age %s", qPrintable(path));
}

QProcessEnvironment ProgramEnvironment(const QTemporaryDir& home, const QString& asanOptions)
{
    QDir(home.path()).mkpath("runtime");
    QFile(home.filePath("runtime")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                   | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
    // The system-wide settings a test puts there, and never the machine's.
    env.insert("XDG_CONFIG_DIRS", home.filePath("xdg"));
    // The book speaks English, whatever the machine's language, unless a
    // test says otherwise.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(name);
    env.insert("LANG", "C.UTF-8");
    if (env.contains("ASAN_OPTIONS"))
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + u':' + asanOptions);
    return env;
}

void StartAs(QProcess& process, const QString& user, const QString& program, const QStringList& arguments)
{
    const passwd* account = user.isEmpty() ? nullptr : ::getpwnam(user.toLocal8Bit().constData());
    if (!account) {
        process.start(program, arguments);
        return;
    }
    // setpriv runs the program in its own process, so that a signal sent to
    // this process reaches the program itself.
    process.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=%1").arg(account->pw_uid),
                                                         QStringLiteral("--regid=%1").arg(account->pw_gid),
                                                         QStringLiteral("--clear-groups"), "--", program}
                                                 + arguments);
}

SessionBus::SessionBus(const QString& directory, const QString& user)
{
    // The session bus's own rules less its services: nothing is started on
    // it that could outlive it.
    const QString config = QDir(directory).filePath("session-bus.conf");
    WriteFile(config, "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                      "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                      "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>");
    QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup);
    StartAs(daemon_, user, QStringLiteral("dbus-daemon"),
            {"--config-file=" + config, "--nofork", "--nosyslog", "--print-address=1"});
    if (daemon_.waitForReadyRead(10000))
        address_ = QString::fromLatin1(daemon_.readLine()).trimmed();
}

SessionBus::~SessionBus()
{
    daemon_.terminate();
    if (!daemon_.waitForFinished(3000))
        daemon_.kill();
}

bool RealBook::Possible()
{
    for (const char* tool : {"Xvfb", "xdotool", "dbus-daemon"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return false;
    return true;
}

RealBook::RealBook(const QStringList& arguments, QSize screen, const QString& user) : user_(user), screen_(screen)
{
    for (const char* folder : {"runtime", "config", "data", "fb", "bus"})
        QDir(home.path()).mkpath(QLatin1String(folder));
    if (const passwd* account = user.isEmpty() ? nullptr : ::getpwnam(user.toLocal8Bit().constData())) {
        const QStringList folders = QDir(home.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot) << ".";
        for (const QString& path : folders)
            if (::chown(QFile::encodeName(home.filePath(path)).constData(), account->pw_uid, account->pw_gid) != 0)
                qFatal("cannot give %s to %s", qPrintable(home.filePath(path)), qPrintable(user));
    }
    bus_ = std::make_unique<SessionBus>(home.filePath("bus"), user);
    // The screen's pixels are kept in a file there as the server draws them.
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    server_.start(QStringLiteral("Xvfb"),
                  {"-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp", "-fbdir", home.filePath("fb")});
    if (server_.waitForReadyRead(10000))
        display = u':' + QString::fromLatin1(server_.readLine()).trimmed();
    // The pointer waits in a corner the book never covers, so that its
    // picture stays out of every comparison of the screen.
    Xdotool({"mousemove", "--sync", QString::number(screen.width() - 1), QString::number(screen.height() - 1)});
    if (!arguments.isEmpty())
        StartBook(arguments);
}

bool RealBook::StartBook(const QStringList& arguments)
{
    if (display.isEmpty() || !Start(arguments).waitForStarted())
        return false;
    window = Xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"}).section(u'\n', 0, 0);
    // Mapped is not drawn yet: the first frame has more than one colour.
    const bool drawn = !window.isEmpty() && QTest::qWaitFor(
        [this] {
            const QImage shown = Screen().copy(windowOnScreen());
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    if (shown.pixel(x, y) != shown.pixel(0, 0))
                        return true;
            return false;
        },
        20000);
    if (!drawn)
        window.clear();
    return drawn;
}

RealBook::~RealBook()
{
    for (const auto& program : programs_) {
        program->terminate();
        if (!program->waitForFinished(3000)) {
            program->kill();
            program->waitForFinished(3000);
        }
    }
    bus_.reset();
    StopDisplay();
}

QProcess& RealBook::Start(const QStringList& arguments)
{
    // Under AddressSanitizer: libxkbcommon-x11 copies key names with strndup
    // out of buffers that are not NUL-terminated, which the strict string
    // check reports although the copy stays within its length.
    QProcessEnvironment env = ProgramEnvironment(home, "strict_string_checks=0");
    env.insert("DISPLAY", display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DBUS_SESSION_BUS_ADDRESS", bus_->address());
    if (!user_.isEmpty())
        env.insert("HOME", home.path());
    for (auto setting = environment.cbegin(); setting != environment.cend(); ++setting)
        env.insert(setting.key(), setting.value());
    QProcess& program = *programs_.emplace_back(std::make_unique<QProcess>());
    QByteArray& errors = errors_[&program];
    QObject::connect(&program, &QProcess::readyReadStandardError, [&program, &errors] {
        const QByteArray said = program.readAllStandardError();
        errors += said;
        std::fwrite(said.constData(), 1, size_t(said.size()), stderr);
    });
    program.setProcessEnvironment(env);
    StartAs(program, user_, QStringLiteral(ATOZ_PROGRAM), arguments);
    return program;
}

void RealBook::StopDisplay()
{
    if (server_.state() == QProcess::NotRunning)
        return;
    server_.terminate();
    if (!server_.waitForFinished(3000))
        server_.kill();
}

QString RealBook::Xdotool(const QStringList& arguments) const
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(30000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

QImage RealBook::Screen() const
{
    // The server's screen file is an XWD dump: a header of big-endian
    // 32-bit fields, a colour table, then the pixels.
    QFile file(home.filePath("fb/Xvfb_screen0"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const auto field = [&bytes](int index) {
        return bytes.size() < 100 ? 0 : qFromBigEndian<quint32>(bytes.constData() + 4 * index);
    };
    const qint64 start = qint64(field(0)) + qint64(field(19)) * 12;  // header, then 12 bytes a colour
    const int width = int(field(4)), height = int(field(5)), stride = int(field(12));
    if (field(11) != 32 || start + qint64(stride) * height > bytes.size())
        return {};
    return QImage(reinterpret_cast<const uchar*>(bytes.constData() + start), width, height, stride,
                  QImage::Format_RGB32)
        .copy();
}

QRect RealBook::windowOnScreen() const
{
    const QString geometry = Xdotool({"getwindowgeometry", window});
    const QRegularExpressionMatch at = QRegularExpression("Position: (\\d+),(\\d+).*Geometry: (\\d+)x(\\d+)",
                                                          QRegularExpression::DotMatchesEverythingOption)
                                           .match(geometry);
    return at.hasMatch() ? QRect(at.captured(1).toInt(), at.captured(2).toInt(), at.captured(3).toInt(),
                                 at.captured(4).toInt())
                         : QRect();
}

bool RealBook::Click(int leftTwips, QRect twips)
{
    const QRect control = TwipsRect(twips.translated(leftTwips, 0), scale);
    return clickAndWatch(control.center(), control);
}

bool RealBook::Click(QPoint pixels)
{
    return clickAndWatch(pixels, QRect(pixels - QPoint(4, 4), QSize(9, 9)));
}

bool RealBook::clickAndWatch(QPoint pixels, QRect watched)
{
    // What shows there, drawn without the pointer, changes once the program
    // has taken the click and drawn what it does. A copy that opens draws its
    // pages one by one under its progress window, which stands from before
    // the sheet is drawn until the last page is in: the click is over once
    // it has gone.
    const QRect onScreen = watched.translated(windowOnScreen().topLeft());
    const QImage before = Screen().copy(onScreen);
    ClickOnly(pixels);
    return QTest::qWaitFor([&] { return Screen().copy(onScreen) != before; }, 20000)
        && QTest::qWaitFor(
               [this] {
                   return Xdotool({"search", "--onlyvisible", "--name", "^Vorlane Coloring Books$"}).isEmpty();
               },
               20000);
}

void RealBook::ClickOnly(QPoint pixels)
{
    Xdotool({"mousemove", "--window", window, QString::number(pixels.x()), QString::number(pixels.y()), "click", "1",
             "mousemove", "--sync", QString::number(screen_.width() - 1), QString::number(screen_.height() - 1)});
}

bool RealBook::Exit()
{
    ClickOnly(TwipsRect(QRect(150, 5190, 1785, 585), scale).center());
    return (program().state() == QProcess::NotRunning || program().waitForFinished(10000))
        && program().exitStatus() == QProcess::NormalExit && program().exitCode() == 0;
}

}  // namespace atoz::test
