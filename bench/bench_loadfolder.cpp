// Opening a folder whose 26 pages are all stored coloured BMPs: reading,
// decoding and placing every thumbnail, behind the progress window. Offscreen.

#include "folders/foldermodel.h"
#include "folders/foldernames.h"
#include "folders/progresswindow.h"
#include "mainwindow/contentsview.h"
#include "pages/pagelibrary.h"
#include "platform/picture.h"
#include "platform/settingsstore.h"

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
    for (int page = 0; page < atoz::PageCount; ++page) {
        QImage coloured = atoz::LoadPagePicture(page);
        for (int y = 0; y < coloured.height(); y += 2)
            for (int x = 0; x < coloured.width(); ++x)
                if (coloured.pixel(x, y) != 0xFF000000)
                    coloured.setPixel(x, y, qRgb(x % 256, y % 256, page * 9));
        store.StorePage(0, page, coloured);
    }
    atoz::Progress progress;
    const atoz::AdultLocks nothingLocked;
    atoz::ContentsView view(folder, names, progress, nothingLocked);
    view.resize(616, 404);
    view.show();

    for (auto _ : state)
        view.LoadFolderPages(0);
}

}  // namespace

BENCHMARK(BM_LoadFolderPages)->Unit(benchmark::kMillisecond)->Repetitions(7)->DisplayAggregatesOnly();

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
