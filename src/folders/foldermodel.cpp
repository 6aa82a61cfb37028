#include "foldermodel.h"

namespace atoz {

FolderModel::FolderModel(QString directory, QObject* parent) : QObject(parent), store_(std::move(directory)) {}

void FolderModel::SelectFolder(int folder)
{
    if (IsFolderIndex(folder))
        folder_ = folder;
}

void FolderModel::SetCurrentPage(int page)
{
    if (IsPageIndex(page))
        page_ = page;
}

void FolderModel::LoadFolderPages(int folder, const std::function<void(int)>& pageLoaded)
{
    for (int i = 0; i < PageCount; ++i) {
        pages_[size_t(i)] = store_.LoadFolderPage(folder, i);
        emit pageChanged(i);
        if (pageLoaded)
            pageLoaded(i);
    }
}

const QImage& FolderModel::Page(int page) const
{
    static const QImage none;
    return IsPageIndex(page) ? pages_[size_t(page)] : none;
}

bool FolderModel::StorePage(const QImage& image)
{
    const bool stored = store_.StorePage(folder_, page_, image);
    pages_[size_t(page_)] = image.copy();  // later fills must not reach the folder's copy
    emit pageChanged(page_);
    return stored;
}

int FolderModel::StoreUnsavedPages()
{
    return store_.StoreUnsavedPages();
}

}  // namespace atoz
