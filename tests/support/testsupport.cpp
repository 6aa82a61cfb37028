#include "support/testsupport.h"

#include "pages/pagelibrary.h"
#include "platform/colour.h"

#include <QTest>

#include <QDir>
#include <QFile>

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
                                             dialogs.Bundle());
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qFatal("the main window did not show");
}

QString Book::PageFile(int folder, int page) const
{
    return window_->folder().store().FolderPageFileName(folder, page);
}

const QImage& Book::Page() const
{
    return window_->folder().colouringPage().image();
}

namespace {

QPoint windowPoint(QWidget* window, const QString& step)
{
    const QStringList parts = step.split(u'@');
    QWidget* control = Find(window, parts[0]);
    QPoint at = control->rect().center();
    if (parts.size() == 2)
        at = QPoint(parts[1].section(u',', 0, 0).toInt(), parts[1].section(u',', 1, 1).toInt());
    return control->mapTo(window, at);
}

}  // namespace

void Book::Click(const QString& control)
{
    if (control == QLatin1String("close")) {
        window_->close();
        return;
    }
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, windowPoint(window_.get(), control));
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

XServer::XServer(QSize screen)
{
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    process_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp"});
    if (process_.waitForReadyRead(10000))
        display_ = u':' + QString::fromLatin1(process_.readLine()).trimmed();
}

XServer::~XServer()
{
    Stop();
}

void XServer::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000))
        process_.kill();
}

}  // namespace atoz::test
