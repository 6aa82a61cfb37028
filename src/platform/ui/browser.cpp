#include "browser.h"

#include "platform/colour.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/fonts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QOpenGLContext>
#include <QUrl>
#include <QVBoxLayout>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Qt's own (exported, not in its public headers): the OpenGL context every
// context the web engine makes shares with.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace atoz {

namespace {

// The web engine's view lives in a module loaded on first use (see
// webview/webview.cpp); this is its maker, or null where there is none.
using CreateWebView = QWidget* (*)(QWidget* parent);

// The web engine draws with OpenGL contexts shared with one the application
// keeps. Qt makes that one at start-up when asked before the application
// exists, at a cost of tens of megabytes for every run; the book makes it
// here, the first time a web page is shown.
void shareOpenGLContexts()
{
    if (qt_gl_global_share_context())
        return;
    auto* context = new QOpenGLContext(qApp);
    context->create();
    qt_gl_set_global_share_context(context);
}

CreateWebView webViewMaker()
{
    static const CreateWebView maker = []() -> CreateWebView {
        const QString program = QCoreApplication::applicationDirPath();
        // Beside the program when it runs from its build folder; under the
        // prefix's library folder when installed; or where Qt looks for
        // libraries of the kind.
        QStringList directories{program, program + QStringLiteral("/" ATOZ_WEB_MODULE_DIR)};
        directories += QCoreApplication::libraryPaths();
        for (const QString& directory : directories) {
            QLibrary module(directory + QStringLiteral("/atoz-webview"));
            if (QDir(directory).entryList({QStringLiteral("*atoz-webview.*")}, QDir::Files).isEmpty())
                continue;
            shareOpenGLContexts();  // before the engine starts, which it does as it loads
            if (module.load())
                return reinterpret_cast<CreateWebView>(module.resolve("atoz_create_web_view"));
        }
        return nullptr;
    }();
    return maker;
}

// The web engine's view, driven through its properties, slots and signals.
class WebEngineBrowser final : public Browser
{
public:
    WebEngineBrowser(QWidget* view, QWidget* parent) : Browser(parent), view_(view)
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        connect(view_, SIGNAL(loadFinished(bool)), this, SIGNAL(loadFinished(bool)));
    }

    void Navigate(const QUrl& address) override { view_->setProperty("url", address); }
    void Stop() override { QMetaObject::invokeMethod(view_, "stop"); }

private:
    QWidget* view_;
};

class BrowserLink final : public Browser
{
public:
    explicit BrowserLink(QWidget* parent) : Browser(parent)
    {
        setObjectName(QStringLiteral("BrowserLink"));
        SetBackground(this, Black);
        address_ = new QLabel(this);
        address_->setObjectName(QStringLiteral("LinkAddress"));
        SetBookFont(address_, ComicFont(18));
        address_->setTextFormat(Qt::PlainText);
        address_->setAlignment(Qt::AlignCenter);
        SetTextColour(address_, White);

        open_ = new QLabel(QStringLiteral("Open it in my web browser"), this);
        open_->setObjectName(QStringLiteral("LinkOpen"));
        SetBookFont(open_, ComicFont(14.25));
        open_->setAlignment(Qt::AlignCenter);
        open_->setContentsMargins(24, 10, 24, 10);
        SetTextColour(open_, Black);
        SetBackground(open_, 65280);  // the green of OK
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
    const CreateWebView maker = webViewMaker();
    QWidget* view = maker ? maker(nullptr) : nullptr;
    return view ? new WebEngineBrowser(view, parent) : nullptr;
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
