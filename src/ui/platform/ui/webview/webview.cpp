// The web engine's view, in a plugin of its own that the program loads the
// first time the web window opens: Qt WebEngine is large, and a child who
// only colours should not wait for it nor keep it in memory. The program
// knows the plugin only through the WebEngine interface, so it needs nothing
// of the web engine to build.

#include "webengine.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEngineView>

namespace {

class EngineView final : public atoz::WebView
{
public:
    EngineView(QWidget* parent, std::function<void(bool)> loadFinished) : view_(new QWebEngineView(parent))
    {
        // The view is the connection's context: once it is gone, nothing is called.
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, std::move(loadFinished));
    }
    ~EngineView() override { delete view_; }

    QWidget* Widget() const override { return view_; }
    void Navigate(const QUrl& address) override
    {
        if (view_)
            view_->setUrl(address);
    }
    void Stop() override
    {
        if (view_)
            view_->stop();
    }

private:
    QPointer<QWebEngineView> view_;  // deleted here, unless its parent went first
};

class WebEnginePlugin final : public QObject, public atoz::WebEngine
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ATOZ_WEB_ENGINE_IID)
    Q_INTERFACES(atoz::WebEngine)

public:
    std::unique_ptr<atoz::WebView> CreateWebView(QWidget* parent, std::function<void(bool)> loadFinished) override
    {
        return std::make_unique<EngineView>(parent, std::move(loadFinished));
    }
};

}  // namespace

#include "webview.moc"
