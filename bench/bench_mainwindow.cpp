// The main window as the child meets it, offscreen: start-up to the home view
// painted, opening a page, and OK (store, thumbnail, back to the sheet). The
// "resident_MB" counter is the process's resident memory with a folder open
// and a page being coloured.

#include "mainwindow/mainwindow.h"
#include "pages/pagelibrary.h"
#include "platform/settingsstore.h"
#include "platform/ui/dialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

class SilentMessages final : public atoz::MessageBox
{
public:
    void Inform(QWidget*, const QString&, const QString&) override {}
};

struct Book
{
    QTemporaryDir dir;
    atoz::SettingsStore settings{dir.filePath("settings.ini")};
    SilentMessages messages;
    atoz::QtDialogs platform;  // for the browser, which no benchmark opens
    std::unique_ptr<atoz::frmRezivIdod> window;

    void start()
    {
        window = std::make_unique<atoz::frmRezivIdod>(settings, dir.path(), atoz::Dialogs{messages, platform.Bundle().browsers});
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
        book.start();
        state.PauseTiming();
        book.window.reset();
        state.ResumeTiming();
    }
}

void BM_OpenPage(benchmark::State& state)
{
    Book book;
    book.start();
    book.window->OpenFolder_Click(0);
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

}  // namespace

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
BENCHMARK(BM_OpenPage)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
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
