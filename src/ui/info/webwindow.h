#pragma once

#include <QWidget>

namespace atoz {

class Browser;
class Browsers;

// The web window, "Larkvale": the maker's web site in a browser that fills the
// window. Modeless: the book stays usable while it shows and while pages load.
// Escape and Ctrl+W close it.
// The main window makes one the first time the web address is clicked and
// shows the same one again afterwards.
class frmWeb : public QWidget
{
    Q_OBJECT

public:
    frmWeb(Browsers& browsers, QWidget* owner);

    // The address BrowseHome shows; empty until set.
    QString BrowseURL;

    // Stops the browser, then shows BrowseURL unless it is empty (or no
    // address at all).
    void BrowseHome();
    void BrowseStop();
    // Brings a minimised window back; any other window is left as it is.
    void BrowseNormalWindow();

    Browser* brwWebBrowser() const { return browser_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();

    Browser* browser_;
};

}  // namespace atoz
