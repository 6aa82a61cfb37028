// The main window as the child meets it, offscreen: start-up to the home view
// painted, opening a page, and OK (store, thumbnail, back to the sheet); at
// the book's classic size, and start-up and a fill's repaint at 2.5 times
// it, as on a 1920 x 1080 screen (the argument is the scale in hundredths).
// A fill's repaint is also measured at 5, as on a 3840 x 2160 screen, and
// opening a page at 2.5; each with the page's smooth outline (second
// argument 1) and, in the same run, drawn as its pixels (0), as a page
// whose black pixels were changed outside the book is. The "resident_MB"
// counter is the process's resident memory with a folder open and a page
// being coloured.

#include "mainwindow/mainwindow.h"
#include "pages/pagelibrary.h"
#include "colouring/colouringpage.h"
#include "folders/folderstore.h"
#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/settingsstore.h"
#include "platform/ui/services.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

struct Book
{
    QTemporaryDir dir;
    atoz::SettingsStore settings{dir.filePath("settings.ini")};
    atoz::QtServices services;  // none is opened
    std::unique_ptr<atoz::frmRezivIdod> window;

    void start(double scale = 1)
    {
        window = std::make_unique<atoz::frmRezivIdod>(settings, dir.path(), dir.filePath("Pictures"), services.services(),
                                                      scale);
        window->show();
        window->repaint();  // the home view, painted
    }
};

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

void BM_StartUp(benchmark::State& state)
{
    for (auto _ : state) {
        Book book;
        book.start(double(state.range(0)) / 100);
        state.PauseTiming();
        book.window.reset();
        state.ResumeTiming();
    }
}

// A click on the page and its repaint, the page drawn at the scale, with its
// smooth outline or as its pixels; in an area of the letter or (third
// argument 1) in the area around it, the largest, which is most of the page.
void BM_FillRepaint(benchmark::State& state)
{
    Book book;
    book.start(double(state.range(0)) / 100);
    book.window->OpenFolder_Click(0);
    book.window->Thumbnail_Click(0);
    atoz::ColouringPage& page = book.window->folder().colouringPage();
    if (state.range(1) == 0)
        page.Open(QImage(page.image()));  // the same page without its outline
    QWidget* surface = book.window->findChild<QWidget*>(QStringLiteral("Page_2"));
    surface->repaint();
    const QPoint at = state.range(2) == 1 ? QPoint(5, 5) : QPoint(240, 200);
    bool red = false;
    for (auto _ : state) {
        red = !red;
        page.FillArea(at.x(), at.y(), red ? 255 : 65280);
        surface->repaint();
    }
    state.counters["resident_MB"] = residentMegabytes();
    book.window.reset();
}

// Opening a page and painting it, at the scale: the library pages of copy 1,
// drawn with their smooth outlines, or (second argument 0) the pages of copy
// 2, each stored with one black pixel more, drawn as their pixels.
void BM_OpenPage(benchmark::State& state)
{
    Book book;
    const bool smooth = state.range(1) == 1;
    const atoz::FolderStore store(book.dir.path());
    for (int i = 0; i < atoz::PageCount && !smooth; ++i) {
        QImage edited = atoz::LoadPagePicture(i);
        edited.setPixel(0, 0, atoz::ToQRgb(atoz::Black));
        atoz::SavePicture(edited, store.FolderPageFileName(1, i));
    }
    book.start(double(state.range(0)) / 100);
    book.window->OpenFolder_Click(smooth ? 0 : 1);
    int page = 0;
    for (auto _ : state) {
        book.window->Thumbnail_Click(page);
        book.window->repaint();
        state.PauseTiming();
        book.window->UserCmdDone_Click();
        page = (page + 1) % atoz::PageCount;
        state.ResumeTiming();
    }
    state.counters["resident_MB"] = residentMegabytes();
    book.window.reset();
}

void BM_Ok(benchmark::State& state)
{
    Book book;
    book.start();
    book.window->OpenFolder_Click(0);
    int page = 0;
    for (auto _ : state) {
        state.PauseTiming();
        book.window->Thumbnail_Click(page);
        page = (page + 1) % atoz::PageCount;
        state.ResumeTiming();
        book.window->UserCmdDone_Click();
        book.window->repaint();
    }
}

// A child's click on the page while the page is being written in the
// background: the fill and its repaint, on the window thread. Each write is
// started just before the click, so it is under way during the click.
void BM_FillWhileStoring(benchmark::State& state)
{
    Book book;
    book.start();
    book.window->OpenFolder_Click(0);
    book.window->Thumbnail_Click(0);
    atoz::FolderModel& folder = book.window->folder();
    QWidget* surface = book.window->findChild<QWidget*>(QStringLiteral("Page_2"));
    const QPoint inside(240, 200);
    bool red = false;
    for (auto _ : state) {
        state.PauseTiming();
        folder.WaitForBackgroundStore();
        folder.colouringPage().FillArea(10, 10, 16711680);  // a change to write
        folder.StoreInBackground();
        red = !red;
        state.ResumeTiming();
        folder.colouringPage().FillArea(inside.x(), inside.y(), red ? 255 : 65280);
        surface->repaint();
    }
    folder.WaitForBackgroundStore();
}

// What one store costs the window thread: handing the page to the background
// write and taking its result back (arg 1), against writing it there (arg 0,
// as OK does).
void BM_StoreOnWindowThread(benchmark::State& state)
{
    Book book;
    book.start();
    book.window->OpenFolder_Click(0);
    book.window->Thumbnail_Click(0);
    atoz::FolderModel& folder = book.window->folder();
    const bool background = state.range(0) == 1;
    QElapsedTimer handOver;
    bool red = false;
    for (auto _ : state) {
        red = !red;
        folder.colouringPage().FillArea(10, 10, red ? 255 : 65280);
        if (background) {
            handOver.start();
            folder.StoreInBackground();
            const qint64 windowThread = handOver.nsecsElapsed();
            folder.WaitForBackgroundStore();  // the write itself, off the window thread: not counted
            state.SetIterationTime(double(windowThread) / 1e9);
        } else {
            handOver.start();
            folder.StorePage();
            state.SetIterationTime(double(handOver.nsecsElapsed()) / 1e9);
        }
    }
}

}  // namespace

BENCHMARK(BM_FillWhileStoring)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
BENCHMARK(BM_StoreOnWindowThread)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
BENCHMARK(BM_StartUp)->Arg(100)->Arg(250)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
BENCHMARK(BM_FillRepaint)
    ->ArgsProduct({{100, 250, 500}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly();
BENCHMARK(BM_OpenPage)
    ->Args({100, 1})
    ->Args({250, 0})
    ->Args({250, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->DisplayAggregatesOnly();
BENCHMARK(BM_Ok)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    {
        // The first start of the process pays for fonts and pictures once.
        Book first;
        first.start();
        std::printf("first start-up, QApplication included: %.1f ms\n", double(sinceStart.nsecsElapsed()) / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
