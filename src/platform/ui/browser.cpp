#include "browser.h"

#include "platform/colour.h"
#include "platform/ui/clickable.h"
#include "platform/ui/controls.h"
#include "platform/ui/fonts.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

#ifdef ATOZ_WEB_ENGINE
#include <QWebEngineView>
#endif

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace atoz {

namespace {

#ifdef ATOZ_WEB_ENGINE
class WebEngineBrowser final : public Browser
{
public:
    explicit WebEngineBrowser(QWidget* parent) : Browser(parent), view_(new QWebEngineView(this))
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view_);
        connect(view_, &QWebEngineView::loadFinished, this, &Browser::loadFinished);
    }

    void Navigate(const QUrl& address) override { view_->load(address); }
    void Stop() override { view_->stop(); }

private:
    QWebEngineView* view_;
};
#endif

class BrowserLink final : public Browser
{
public:
    explicit BrowserLink(QWidget* parent) : Browser(parent)
    {
        setObjectName(QStringLiteral("BrowserLink"));
        SetBackground(this, Black);
        address_ = new QLabel(this);
        address_->setObjectName(QStringLiteral("LinkAddress"));
        address_->setFont(ComicFont(18));
        address_->setTextFormat(Qt::PlainText);
        address_->setAlignment(Qt::AlignCenter);
        SetTextColour(address_, White);

        open_ = new QLabel(QStringLiteral("Open it in my web browser"), this);
        open_->setObjectName(QStringLiteral("LinkOpen"));
        open_->setFont(ComicFont(14.25));
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

Browser* CreateEmbeddedBrowser([[maybe_unused]] QWidget* parent)
{
#ifdef ATOZ_WEB_ENGINE
    return new WebEngineBrowser(parent);
#else
    return nullptr;
#endif
}

Browser* CreateBrowserLink(QWidget* parent)
{
    return new BrowserLink(parent);
}

void AllowBrowserAsRoot()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

}  // namespace atoz
