#include "foldermodel.h"

#include "pages/pageoutline.h"

#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace atoz {

FolderModel::FolderModel(QString directory, QObject* parent) : QObject(parent), store_(std::move(directory))
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
    WaitForBackgroundStore();
}

void FolderModel::SelectFolder(int folder)
{
    if (IsFolderIndex(folder))
        folder_ = folder;
}

void FolderModel::LoadFolderPages(int folder, const std::function<void(int)>& pageLoaded,
                                  const std::function<void()>& started)
{
    // Two readers, each taking the next page nobody has taken: a worker from
    // the start, and this thread once `started` has returned, whenever the
    // page it hands on next is not ready yet. Each draws its thumbnails
    // through one full picture of its own. The store is only read meanwhile.
    std::array<FolderPage, PageCount> read;
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
        read[size_t(i)] = pageOf(i, store_.LoadFolderPage(folder, i, PictureForm::AsStored), cell, scale, &scratch);
        ready[size_t(i)].store(true, std::memory_order_release);
        ready[size_t(i)].notify_one();
        return true;
    };
    QFuture<void> worker = QtConcurrent::run(&readers_, [&readOne] {
        QImage scratch;
        while (readOne(scratch)) {
        }
    });
    if (started)
        started();

    // The pages go to the sheet in order, each as soon as it is ready.
    QImage scratch;
    for (int i = 0; i < PageCount; ++i) {
        while (!ready[size_t(i)].load(std::memory_order_acquire)) {
            if (!readOne(scratch))
                ready[size_t(i)].wait(false, std::memory_order_acquire);  // the worker has it in hand
        }
        pages_[size_t(i)] = std::move(read[size_t(i)]);
        emit pageChanged(i);
        if (pageLoaded)
            pageLoaded(i);
    }
    worker.waitForFinished();
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
    // A write of the page left a moment ago may still be under way.
    storeTimer_.stop();
    WaitForBackgroundStore();
    page_ = page;
    unstored_ = false;
    colouring_.Open(pages_[size_t(page)].picture, OutlineFor(pages_[size_t(page)].picture, page));
}

bool FolderModel::StorePage()
{
    if (!colouring_.IsOpen())
        return true;  // no page is being coloured: nothing to store
    // The last background write must land before this one, or it could
    // replace the newer file with an older picture.
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
    return store_.StoreUnsavedPages();
}

void FolderModel::WaitForBackgroundStore()
{
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
