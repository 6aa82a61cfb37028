#include "folderstore.h"

#include "pages/pagelibrary.h"
#include "platform/picture.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace atoz {

namespace {

constexpr std::array<Colour, FolderCount> FolderColours = {
    16744703,  // pink
    LightCyan,
    8454016,   // light green
    8454143,   // light yellow
    8438015,   // light orange
    8421631,   // salmon
    16761024,  // lavender
    LightGrey,
};

}  // namespace

Colour FolderColour(int folder)
{
    return IsFolderIndex(folder) ? FolderColours[size_t(folder)] : White;
}

FolderStore::FolderStore(QString directory) : directory_(std::move(directory)) {}

QString FolderStore::FolderPageFileName(int folder, int page) const
{
    return directory_ + QDir::separator() + QStringLiteral("b%1f%2p%3.BMP").arg(BookNumber).arg(folder).arg(page);
}

bool FolderStore::FolderPageExists(int folder, int page) const
{
    // A FIFO, a device or a directory of that name is no page.
    return QFileInfo(FolderPageFileName(folder, page)).isFile();
}

bool FolderStore::StorePage(int folder, int page, const QImage& image)
{
    if (WritePage(folder, page, image)) {
        PageWritten(folder, page);
        return true;
    }
    unsaved_.insert(FolderPageFileName(folder, page), image.copy());
    return false;
}

bool FolderStore::WritePage(int folder, int page, const QImage& image) const
{
    const QString file = FolderPageFileName(folder, page);
    RemoveStaleTemporaries(file);  // what earlier writes of this page left when killed
    return SavePicture(image, file);
}

void FolderStore::PageWritten(int folder, int page)
{
    unsaved_.remove(FolderPageFileName(folder, page));
}

int FolderStore::StoreUnsavedPages()
{
    for (auto kept = unsaved_.begin(); kept != unsaved_.end();) {
        if (SavePicture(kept.value(), kept.key()))
            kept = unsaved_.erase(kept);
        else
            ++kept;
    }
    return int(unsaved_.size());
}

QImage FolderStore::LoadFolderPage(int folder, int page, PictureForm form) const
{
    const QString file = FolderPageFileName(folder, page);
    if (const auto kept = unsaved_.constFind(file); kept != unsaved_.constEnd())
        return *kept;
    if (FolderPageExists(folder, page)) {
        QImage stored = LoadPicture(file, form);
        if (!stored.isNull())
            return stored;
    }
    return LoadPagePicture(page, form);
}

}  // namespace atoz
