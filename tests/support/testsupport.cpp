#include "support/testsupport.h"

#include "pages/pagelibrary.h"
#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/twips.h"

#include <QTest>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace atoz::test {

namespace {

constexpr struct
{
    char symbol;
    Colour colour;
} Legend[] = {{'#', Black}, {'.', White}, {'r', 255}, {'n', NearBlack}, {'b', 16711680}};

}  // namespace

void Book::Start(const QString& pageDirectory)
{
    window_.reset();
    window_ = std::make_unique<frmRezivIdod>(settings, pageDirectory.isEmpty() ? dir.path() : pageDirectory,
                                             dir.filePath("Pictures"), services.services());
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
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

void Book::Click(const QString& control, Qt::MouseButton button, bool twice)
{
    if (control == QLatin1String("close"))
        return void(window_->close());
    const QStringList parts = control.split(u'@');
    const QWidget* widget = Find(window_.get(), parts[0]);
    const QStringList at = parts.value(1).split(u',');
    const QPoint point = widget->mapTo(window_.get(), at.size() == 2 ? QPoint(at[0].toInt(), at[1].toInt())
                                                                      : widget->rect().center());
    if (twice)
        QTest::mouseDClick(window_->windowHandle(), button, {}, point);
    else
        QTest::mouseClick(window_->windowHandle(), button, {}, point);
}

void Book::OpenPage(int folder, int page)
{
    Click(QStringLiteral("OpenFolder_%1").arg(folder));
    Click(QStringLiteral("Thumbnail_%1").arg(page));
}

QImage PageFromRows(const QStringList& rows)
{
    QImage page(int(rows.value(0).size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            for (const auto& entry : Legend)
                if (rows[y][x] == QLatin1Char(entry.symbol))
                    page.setPixel(x, y, ToQRgb(entry.colour));
    return page;
}

QStringList RowsOf(const QImage& page)
{
    QStringList rows;
    for (int y = 0; y < page.height(); ++y) {
        QString row;
        for (int x = 0; x < page.width(); ++x) {
            QChar symbol = u'?';
            for (const auto& entry : Legend)
                if (FromQRgb(page.pixel(x, y)) == entry.colour)
                    symbol = QLatin1Char(entry.symbol);
            row += symbol;
        }
        rows.append(row);
    }
    return rows;
}

QImage ColouredPage(int page, quint32 colour)
{
    QImage image = LoadPagePicture(page);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (FromQRgb(image.pixel(x, y)) == White)
                image.setPixel(x, y, ToQRgb(colour));
    return image;
}

QPoint PointInside(const QImage& page)
{
    const int w = page.width();
    const int h = page.height();
    auto white = [&](int x, int y) { return FromQRgb(page.pixel(x, y)) != Black; };
    // Everything the edge reaches is outside the letter.
    QList<bool> outside(qsizetype(w) * h, false);
    QList<QPoint> todo;
    for (int x = 0; x < w; ++x)
        todo << QPoint(x, 0) << QPoint(x, h - 1);
    for (int y = 0; y < h; ++y)
        todo << QPoint(0, y) << QPoint(w - 1, y);
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        if (!page.rect().contains(p) || outside[p.y() * w + p.x()] || !white(p.x(), p.y()))
            continue;
        outside[p.y() * w + p.x()] = true;
        todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    // The first inside pixel with white all around it.
    constexpr int Margin = 4;
    for (int y = Margin; y < h - Margin; ++y)
        for (int x = Margin; x < w - Margin; ++x) {
            bool clear = !outside[y * w + x];
            for (int dy = -Margin; dy <= Margin && clear; ++dy)
                for (int dx = -Margin; dx <= Margin && clear; ++dx)
                    clear = white(x + dx, y + dy);
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

void MakeOddFile(const QString& path, OddFile kind)
{
    switch (kind) {
    case OddFile::Fifo:
        ::mkfifo(QFile::encodeName(path).constData(), 0644);
        break;
    case OddFile::Zeros:
        QFile::link(QStringLiteral("/dev/zero"), path);
        break;
    case OddFile::SlowSvg: {
        // A dashed, wide stroke along twenty curves, drawn 111 times.
        QString svg = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                      "width='480' height='400'><path id='a0' stroke='red' stroke-width='40' stroke-dasharray='1 1' "
                      "fill='blue' d='M0 0";
        for (int i = 0; i < 20; ++i)
            svg += QStringLiteral("C%1 400 %2 0 %3 200").arg(i * 5).arg(i * 5 + 2).arg(i * 5 + 4);
        svg += "'/>";
        for (int level = 1; level <= 2; ++level)
            svg += QStringLiteral("<g id='a%1'>%2</g>").arg(level).arg(QStringLiteral("<use xlink:href='#a%1'/>").arg(level - 1).repeated(10));
        WriteFile(path, (svg + "</svg>").toLatin1());
        break;
    }
    case OddFile::Directory:
        QDir().mkpath(path);
        break;
    case OddFile::Oversized:
        WriteFile(path, "BM");
        QFile::resize(path, MaxPictureFileSize + 1);
        break;
    }
}

QString KindOf(const QString& path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("none");
    if (S_ISREG(status.st_mode))
        return QStringLiteral("file");
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("link");
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("fifo");
    return S_ISDIR(status.st_mode) ? QStringLiteral("directory") : QStringLiteral("other");
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
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)
        || !file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime))
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
    if (env.contains("ASAN_OPTIONS"))
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + u':' + asanOptions);
    return env;
}

QProcessEnvironment XEnvironment(const QTemporaryDir& home, const QString& display)
{
    // Under AddressSanitizer: libxkbcommon-x11 copies key names with strndup
    // out of buffers that are not NUL-terminated, which the strict string
    // check reports although the copy stays within its length.
    QProcessEnvironment env = ProgramEnvironment(home, "strict_string_checks=0");
    env.insert("DISPLAY", display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    return env;
}

XServer::XServer(QSize screen)
{
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    process_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp"});
    if (process_.waitForReadyRead(10000))
        display_ = u':' + QString::fromLatin1(process_.readLine()).trimmed();
}

void XServer::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000))
        process_.kill();
}

QString XServer::Xdotool(const QStringList& arguments) const
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(15000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

bool RealBook::Possible()
{
    return !QStandardPaths::findExecutable("Xvfb").isEmpty() && !QStandardPaths::findExecutable("xdotool").isEmpty();
}

RealBook::RealBook(const QString& executable, const QStringList& arguments, QSize screen) : server_(screen)
{
    if (server_.display().isEmpty())
        return;
    program.setProcessEnvironment(XEnvironment(home, server_.display()));
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(executable, arguments);
    if (program.waitForStarted())
        window = Xdotool({"search", "--sync", "--onlyvisible", "--name", "Book 2: A to Z"}).section(u'\n', 0, 0);
    QTest::qWait(500);
}

RealBook::~RealBook()
{
    program.terminate();
    if (!program.waitForFinished(3000))
        program.kill();
}

void RealBook::Click(int leftTwips, QRect twips)
{
    Click(TwipsRect(twips.translated(leftTwips, 0)).center());
}

void RealBook::Click(QPoint pixels)
{
    Xdotool({"mousemove", "--window", window, QString::number(pixels.x()), QString::number(pixels.y()), "click", "1"});
    QTest::qWait(700);  // longer than a double-click, and time for the view to change
}

bool RealBook::Exit()
{
    Click(0, {150, 5190, 1785, 585});
    return (program.state() == QProcess::NotRunning || program.waitForFinished(10000))
        && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

}  // namespace atoz::test
