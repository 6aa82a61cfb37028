#pragma once

#include <QWidget>

class QUrl;

namespace atoz {

// A web browser inside a window: it shows an address, stops loading and fills
// whatever size its window gives it. Loading runs in the background: Navigate
// returns at once and the book stays usable; an address that cannot be
// reached shows the browser's own error page.
class Browser : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void Navigate(const QUrl& address) = 0;
    virtual void Stop() = 0;

signals:
    // A load ended: shown, or failed (and the error page shown instead).
    void loadFinished(bool ok);
};

// Makes the browser of the web window; part of the dialog bundle, so that tests
// can put a scripted browser in its place.
class Browsers
{
public:
    virtual ~Browsers() = default;
    virtual Browser* CreateBrowser(QWidget* parent) = 0;
};

// The embedded browser, Qt WebEngine, loaded the first time it is needed;
// null where the program has no web engine module.
Browser* CreateEmbeddedBrowser(QWidget* parent);

// In place of the embedded browser: the address and a button that opens it in
// the system's own web browser.
Browser* CreateBrowserLink(QWidget* parent);

// Call before the application object exists, so that the web engine can
// start later: as root, and only then, its sandbox is turned off (it refuses
// to start as root with it). Its shared OpenGL context is made when the
// engine is first loaded, not here, so that a run without a web page does not
// pay for OpenGL.
void PrepareBrowser();

}  // namespace atoz
