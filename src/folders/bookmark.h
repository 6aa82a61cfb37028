#pragma once

namespace atoz {

// Where the child is in the book: the folder open on the contents sheet and
// the page last opened for colouring. Both start at 0 and keep their values
// when the child goes back to an earlier view.
class Bookmark
{
public:
    int CurrentFolder() const { return folder_; }
    int CurrentPage() const { return page_; }
    void SetCurrentFolder(int folder) { folder_ = folder; }
    void SetCurrentPage(int page) { page_ = page; }

private:
    int folder_ = 0;
    int page_ = 0;
};

}  // namespace atoz
