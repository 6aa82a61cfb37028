#pragma once

// What the book and its web engine module share: the module is a Qt plugin
// that implements WebEngine, and the book loads it with QPluginLoader the
// first time the web window opens. Nothing here is a QObject, so the module
// and the book each build it without sharing generated code.

#include <QtPlugin>

#include <functional>
#include <memory>

class QUrl;
class QWidget;

namespace atoz {

// One web page view made by the module.
class WebView
{
public:
    // Deletes the view's widget too.
    virtual ~WebView() = default;

    virtual QWidget* Widget() const = 0;
    // Starts loading `address` and returns at once.
    virtual void Navigate(const QUrl& address) = 0;
    virtual void Stop() = 0;
};

class WebEngine
{
public:
    virtual ~WebEngine() = default;

    // A view whose widget is a child of `parent`. `loadFinished` is called at
    // the end of each load: true when the page showed, false when it failed
    // and the engine's error page shows instead. It is never called once the
    // view is deleted.
    virtual std::unique_ptr<WebView> CreateWebView(QWidget* parent, std::function<void(bool ok)> loadFinished) = 0;
};

}  // namespace atoz

// The interface's name and version; the book loads only a module built
// against this version of the interface.
#define ATOZ_WEB_ENGINE_IID "example.larkvale.AtoZ.WebEngine/1"
Q_DECLARE_INTERFACE(atoz::WebEngine, ATOZ_WEB_ENGINE_IID)
