// The web engine's view, in a module of its own that the program loads the
// first time the web window opens: Qt WebEngine is large, and a child who
// only colours should not wait for it nor keep it in memory. The program
// drives the view through Qt's meta-object system alone (the "url" property,
// the stop() slot, the loadFinished signal), so it needs nothing of the web
// engine to build.

#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget* atoz_create_web_view(QWidget* parent)
{
    return new QWebEngineView(parent);
}
