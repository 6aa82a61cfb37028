#include "browser.h"

#include "platform/colour.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/webview/webengine.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QJsonObject>
#include <QLabel>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QUrl>
#include <QVBoxLayout>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Qt's own (exported, not in its public headers): sets the OpenGL context that
// every context the web engine makes shares with. Qt WebEngine sets it the
// same way when it is initialised after the application object exists.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace atoz {

namespace {

// The web engine draws with OpenGL contexts shared with one the application
// keeps. Qt would make that one at start-up if Qt::AA_ShareOpenGLContexts
// were set before the application exists, but that loads the OpenGL driver
// on every run, whether or not a web page is ever shown: under X with Mesa
// the book then took twice as long to start and 55 MB more memory. So the
// book makes it here, the first time a web page is shown, as Qt WebEngine's
// own initialisation does, and deletes and forgets it as the application ends.
QOpenGLContext* shareContext = nullptr;

void deleteShareContext()
{
    if (QOpenGLContext::globalShareContext() == shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete shareContext;
    shareContext = nullptr;
}

void shareOpenGLContexts()
{
    if (QOpenGLContext::globalShareContext())
        return;
    shareContext = new QOpenGLContext;
    shareContext->setFormat(QSurfaceFormat::defaultFormat());
    const bool created = shareContext->create();
    qAddPostRoutine(deleteShareContext);
    // Set even where it cannot be made (no OpenGL, as on the offscreen
    // platform): Qt WebEngine then draws without OpenGL, where with no
    // context at all it crashes.
    qt_gl_set_global_share_context(shareContext);
    // Widgets that draw with OpenGL, the web engine's among them, share
    // with it only when this is set. (Qt warns that it is set late: it is
    // meant for the context Qt makes itself.)
    if (created)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// The web engine plugin (see webview/webview.cpp), loaded the first time it is
// needed; null where there is none.
WebEngine* webEngine()
{
    static WebEngine* const engine = []() -> WebEngine* {
        const QString program = QCoreApplication::applicationDirPath();
        // Beside the program when it runs from its build folder; under the
        // prefix's library folder when installed; or where Qt looks for
        // libraries of the kind.
        QStringList directories{program, program + QStringLiteral("/" ATOZ_WEB_MODULE_DIR)};
        directories += QCoreApplication::libraryPaths();
        for (const QString& directory : directories) {
            const QStringList files = QDir(directory).entryList({QStringLiteral("*atoz-webview.*")}, QDir::Files);
            if (files.isEmpty())
                continue;
            // Read without loading: only a plugin of this interface is loaded.
            QPluginLoader module(QDir(directory).filePath(files.first()));
            if (module.metaData().value(QLatin1String("IID")).toString() != QLatin1String(ATOZ_WEB_ENGINE_IID))
                continue;
            shareOpenGLContexts();  // before the engine starts, which it does as it loads
            if (auto* engine = qobject_cast<WebEngine*>(module.instance()))
                return engine;
        }
        return nullptr;
    }();
    return engine;
}

// The web engine's view, in the place of the browser.
class WebEngineBrowser final : public Browser
{
public:
    WebEngineBrowser(WebEngine& engine, QWidget* parent) : Browser(parent)
    {
        view_ = engine.CreateWebView(this, [this](bool ok) { emit loadFinished(ok); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_->Widget());
    }

    void Navigate(const QUrl& address) override { view_->Navigate(address); }
    void Stop() override { view_->Stop(); }

private:
    std::unique_ptr<WebView> view_;  // goes, and its widget with it, before the browser stops being one
};

class BrowserLink final : public Browser
{
public:
    explicit BrowserLink(QWidget* parent) : Browser(parent)
    {
        setObjectName(QStringLiteral("BrowserLink"));
        SetBackground(this, Black);
        // The layout below centres them in whatever size the window gives;
        // the button keeps its own size, which follows the book's scale.
        address_ = AddLabel(this, {"LinkAddress", {}, {}, White, 18, Bold | Centred});
        open_ = AddLabel(this, {"LinkOpen", {}, QCoreApplication::translate("BrowserLink", "Open it in my web browser"), Black, 14.25, Bold | Centred, Green});
        SetFixedTwipsSize(open_, {4020, 630});
        open_->hide();
        OnClick(open_, this, [this] {
            if (url_.isValid())
                QDesktopServices::openUrl(url_);
        });

        auto* layout = new QVBoxLayout(this);
        layout->addStretch();
        layout->addWidget(address_);
        layout->addSpacing(16);
        layout->addWidget(open_, 0, Qt::AlignHCenter);
        layout->addStretch();
    }

    void Navigate(const QUrl& address) override
    {
        url_ = address;
        // What the child's parent would type: no "http://", no closing slash.
        QString shown = address.toDisplayString(QUrl::RemoveScheme | QUrl::StripTrailingSlash);
        if (shown.startsWith(QLatin1String("//")))
            shown.remove(0, 2);
        address_->setText(shown);
        open_->setVisible(address.isValid());
    }
    void Stop() override {}

private:
    QLabel* address_;
    QLabel* open_;
    QUrl url_;
};

}  // namespace

Browser* CreateEmbeddedBrowser(QWidget* parent)
{
    WebEngine* engine = webEngine();
    return engine ? new WebEngineBrowser(*engine, parent) : nullptr;
}

Browser* CreateBrowserLink(QWidget* parent)
{
    return new BrowserLink(parent);
}

void PrepareBrowser()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

}  // namespace atoz
