// Opening a folder: reading, decoding and placing every thumbnail, behind the
// progress window, offscreen. The folder's 26 pages are all stored coloured
// BMPs, or (second argument 0) all the library's pages, as a new copy has
// them; the book at the scale given in hundredths (first argument).

#include "folders/foldermodel.h"
#include "folders/foldernames.h"
#include "folders/progresswindow.h"
#include "mainwindow/contentsview.h"
#include "mainwindow/mainwindow.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "platform/ui/controls.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

void BM_LoadFolderPages(benchmark::State& state)
{
    QTemporaryDir dir;
    atoz::SettingsStore settings(dir.filePath("settings.ini"));
    atoz::FolderNames names(settings);
    atoz::FolderModel folder(dir.path());
    atoz::FolderStore& store = folder.store();
    for (int page = 0; page < atoz::PageCount && state.range(1) == 1; ++page) {
        QImage coloured = atoz::LoadPagePicture(page);
        for (int y = 0; y < coloured.height(); y += 2)
            for (int x = 0; x < coloured.width(); ++x)
                if (coloured.pixel(x, y) != 0xFF000000)
                    coloured.setPixel(x, y, qRgb(x % 256, y % 256, page * 9));
        store.StorePage(0, page, coloured);
    }
    atoz::Progress progress;
    const atoz::AdultLocks nothingLocked;
    const double scale = double(state.range(0)) / 100;
    QWidget window;
    atoz::SetBookScale(&window, scale);
    window.resize(atoz::TwipsSize(atoz::frmRezivIdod::ClientWidth, atoz::frmRezivIdod::ClientHeight, scale));
    atoz::ContentsView view(folder, names, progress, nothingLocked, &window);
    view.resize(window.size());
    window.show();

    for (auto _ : state)
        view.LoadFolderPages(0);
}

}  // namespace

BENCHMARK(BM_LoadFolderPages)
    ->Args({100, 1})
    ->Args({250, 1})
    ->Args({250, 0})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->DisplayAggregatesOnly();

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
