#include "foldermodel.h"

#include "pages/pageoutline.h"

#include <QScopeGuard>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace atoz {

FolderModel::FolderModel(QString directory, FolderStore::FileAccess files, QObject* parent)
    : QObject(parent), store_(std::move(directory), std::move(files))
{
    readers_.setMaxThreadCount(1);
    storeTimer_.setSingleShot(true);
    storeTimer_.setInterval(StoreDelay);
    connect(&storeTimer_, &QTimer::timeout, this, &FolderModel::StoreInBackground);
    connect(&colouring_, &ColouringPage::edited, this, &FolderModel::pageEdited);
    connect(&writing_, &QFutureWatcher<bool>::finished, this, &FolderModel::backgroundStoreEnded);
}

FolderModel::~FolderModel()
{
    storeTimer_.stop();
    WaitForBackgroundStore();
}

void FolderModel::SetStoreDelay(int milliseconds)
{
    storeTimer_.setInterval(milliseconds);
}

void FolderModel::SelectFolder(int folder)
{
    if (IsFolderIndex(folder))
        folder_ = folder;
}

void FolderModel::LoadFolderPages(int folder, const std::function<void(int)>& pageLoaded,
                                  const std::function<void()>& started)
{
    loading_ = true;
    const auto loaded = qScopeGuard([this] {
        loading_ = false;
        emit loadFinished();
    });

    // Two readers, each taking the next page nobody has taken: a worker from
    // the start, and this thread once `started` has returned, whenever the
    // page it hands on next is not ready yet. Each draws its thumbnails
    // through one full picture of its own. The worker is given all it needs
    // now: the pages kept after failed writes, which this thread may change
    // meanwhile (a finished write, a close), and the store's file reading,
    // which touches nothing else.
    std::array<QImage, PageCount> kept;
    for (int i = 0; i < PageCount; ++i)
        kept[size_t(i)] = store_.KeptPage(folder, i);
    const FolderStore& files = store_;
    struct Read
    {
        FolderPage page;
        QString setAside;  // the stored file could not be read, and is kept there
    };
    std::array<Read, PageCount> read;
    std::array<std::atomic<bool>, PageCount> ready{};
    std::atomic<int> next = 0;
    // The thumbnails' size as the sheet is now: a new scale while the pages
    // load fits them again once they are in.
    const QSize cell = thumbnailCell_;
    const qreal scale = thumbnailScale_;
    const auto readOne = [&](QImage& scratch) {
        const int i = next.fetch_add(1);
        if (i >= PageCount)
            return false;
        Read& page = read[size_t(i)];
        try {
            QImage picture = kept[size_t(i)];
            if (picture.isNull()) {
                FolderStore::StoredPage stored = files.ReadStoredPage(folder, i, PictureForm::AsStored);
                picture = std::move(stored.picture);
                page.setAside = std::move(stored.setAside);
            }
            if (picture.isNull())
                picture = LoadPagePicture(i, PictureForm::AsStored);
            page.page = pageOf(i, picture, cell, scale, &scratch);
        } catch (...) {
            // Out of memory, say. The page starts as its library page, and its
            // stored file is set aside like one that could not be read, so
            // that no write replaces the colouring it holds.
            try {
                page = {};
                if (files.FolderPageExists(folder, i))
                    page.setAside = files.SetAside(folder, i);
                page.page = pageOf(i, LoadPagePicture(i, PictureForm::AsStored), cell, scale);
            } catch (...) {
                page.page = {};  // no picture at all: the page shows nothing and cannot be opened
            }
        }
        ready[size_t(i)].store(true, std::memory_order_release);
        ready[size_t(i)].notify_one();
        return true;
    };
    QFuture<void> worker = QtConcurrent::run(&readers_, [&readOne, &files, folder] {
        // What killed writes of the folder's pages left goes first: a look at
        // every name in the folder, which may hold many other files, while
        // this thread starts on the pages.
        try {
            files.RemoveStaleTemporaries(folder);
        } catch (...) {
            // Out of memory, say: they are swept the next time.
        }
        QImage scratch;
        while (readOne(scratch)) {
        }
    });
    // Whatever happens here, the worker is done before what it uses goes.
    const auto joined = qScopeGuard([&worker] { worker.waitForFinished(); });
    if (started)
        started();

    // The pages go to the sheet in order, each as soon as it is ready.
    QImage scratch;
    QStringList unreadable;
    for (int i = 0; i < PageCount; ++i) {
        while (!ready[size_t(i)].load(std::memory_order_acquire)) {
            if (!readOne(scratch))
                ready[size_t(i)].wait(false, std::memory_order_acquire);  // the worker has it in hand
        }
        pages_[size_t(i)] = std::move(read[size_t(i)].page);
        if (const QString& aside = read[size_t(i)].setAside; !aside.isEmpty() && !unreadableTold_.contains(aside)) {
            unreadableTold_.insert(aside);
            unreadable.append(aside);
        }
        emit pageChanged(i);
        if (pageLoaded)
            pageLoaded(i);
    }
    if (!unreadable.isEmpty())
        emit unreadablePagesFound(unreadable);
}

FolderPage FolderModel::pageOf(int page, const QImage& picture, QSize cell, qreal thumbnailScale, QImage* scratch)
{
    // The thumbnail is kept compact too: a page not coloured yet has only
    // the greys of its outline, and at 2.5 the sheet's 26 thumbnails would
    // otherwise take 11 MB.
    return {CompactPicture(picture),
            CompactThumbnail(ThumbnailOf(picture, FitThumbnail(picture.size(), cell).size(), thumbnailScale, scratch,
                                         OutlineFor(picture, page)))};
}

void FolderModel::keepPage(int page, const QImage& picture)
{
    pages_[size_t(page)] = pageOf(page, picture, thumbnailCell_, thumbnailScale_);
}

QImage FolderModel::page(int page) const
{
    return CompactPage(page).convertToFormat(QImage::Format_RGB32);
}

const QImage& FolderModel::CompactPage(int page) const
{
    static const QImage none;
    return IsPageIndex(page) ? pages_[size_t(page)].picture : none;
}

const QImage& FolderModel::Thumbnail(int page) const
{
    static const QImage none;
    return IsPageIndex(page) ? pages_[size_t(page)].thumbnail : none;
}

void FolderModel::SetThumbnailCell(QSize cell, qreal ratio)
{
    thumbnailCell_ = cell;
    if (ratio > 0)
        thumbnailScale_ = ratio;
}

void FolderModel::OpenPage(int page)
{
    if (!IsPageIndex(page))
        return;
    // A write of the page left a moment ago may still be under way; changes
    // to it that are not on disk even then are written now.
    storeTimer_.stop();
    WaitForBackgroundStore();
    if (unstored_)
        StorePage();
    page_ = page;
    unstored_ = false;
    colouring_.Open(pages_[size_t(page)].picture, OutlineFor(pages_[size_t(page)].picture, page));
}

bool FolderModel::StorePage()
{
    if (!colouring_.IsOpen())
        return true;  // no page is being coloured: nothing to store
    // The last background write must land before this one, or it could
    // replace the newer file with an older picture; and no other write of
    // the page may start beside this one.
    storeTimer_.stop();
    WaitForBackgroundStore();
    const QImage& image = colouring_.image();
    const bool stored = store_.StorePage(folder_, page_, image);
    unstored_ = false;
    keepPage(page_, image);  // a compact copy: later fills do not reach it
    emit pageChanged(page_);
    return stored;
}

int FolderModel::StoreUnsavedPages()
{
    storeTimer_.stop();
    WaitForBackgroundStore();
    return store_.StoreUnsavedPages();
}

int FolderModel::StoreAllPages()
{
    if (!colouring_.IsOpen())
        return StoreUnsavedPages();
    StorePage();
    // The page just tried is not tried a second time at once.
    return store_.StoreUnsavedPages(store_.FolderPageFileName(folder_, page_));
}

void FolderModel::WaitForBackgroundStore()
{
    // What was due is covered by the caller's own store, or dropped with
    // the page: a write started here would run beside the caller's.
    storeWhenDone_ = false;
    if (writing_.isRunning()) {
        writing_.waitForFinished();
        backgroundStoreEnded();  // its finished() signal is still on its way
    }
}

void FolderModel::pageEdited()
{
    unstored_ = true;
    if (!storeTimer_.isActive())
        storeTimer_.start();  // not restarted by later clicks: the write follows within the delay
}

void FolderModel::StoreInBackground()
{
    if (writing_.isRunning()) {
        storeWhenDone_ = true;
        return;
    }
    if (!unstored_ || !colouring_.IsOpen())
        return;
    unstored_ = false;
    // The write gets its own reference to the picture: the next fill copies
    // the pixels before changing them, so the write always sees one whole page.
    const QImage snapshot = colouring_.image();
    writingFolder_ = folder_;
    writingPage_ = page_;
    writing_.setFuture(QtConcurrent::run([store = &store_, folder = folder_, page = page_, snapshot] {
        return store->WritePage(folder, page, snapshot);
    }));
}

void FolderModel::backgroundStoreEnded()
{
    if (!writing_.isFinished() || writing_.isCanceled() || writing_.future().resultCount() == 0)
        return;
    const bool stored = writing_.result();
    writing_.setFuture({});  // handled: a second call, from the signal, finds nothing
    if (stored)
        store_.PageWritten(writingFolder_, writingPage_);
    else
        unstored_ = true;  // tried again at the next change, and at OK
    emit backgroundStoreFinished(stored);
    if (storeWhenDone_) {
        storeWhenDone_ = false;
        StoreInBackground();
    }
}

}  // namespace atoz
