#include "webwindow.h"

#include "platform/twips.h"
#include "platform/ui/browser.h"
#include "platform/ui/controls.h"

#include <QShortcut>
#include <QUrl>

namespace atoz {

namespace {

// Below this many twips on a side the browser keeps its size on that side.
constexpr int SmallestSide = 200;

}  // namespace

frmWeb::frmWeb(Browsers& browsers, QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmWeb"));
    setWindowTitle(QStringLiteral("Larkvale"));
    const double scale = BookScaleOf(this);
    resize(TwipsSize(8580, 4950, scale));
    SetBackground(this, Black);

    browser_ = browsers.CreateBrowser(this);
    browser_->setObjectName(QStringLiteral("brwWebBrowser"));
    browser_->setGeometry(TwipsRect({30, 0, 8430, 4635}, scale));

    // Closed as the book's small windows are, and as a browser's tab is.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

void frmWeb::BrowseHome()
{
    browser_->Stop();
    if (BrowseURL.isEmpty())
        return;
    const QUrl address = QUrl::fromUserInput(BrowseURL);
    if (address.isValid())
        browser_->Navigate(address);
}

void frmWeb::BrowseStop()
{
    browser_->Stop();
}

void frmWeb::BrowseNormalWindow()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

void frmWeb::resizeEvent(QResizeEvent*)
{
    Form_Resize();
}

void frmWeb::Form_Resize()
{
    // The browser follows the inside of the window, except on a side squeezed
    // below SmallestSide; it stays where it is.
    if (isMinimized())
        return;
    const double scale = BookScaleOf(this);
    QSize size = browser_->size();
    if (PixelsToTwips(width(), scale) > SmallestSide)
        size.setWidth(width());
    if (PixelsToTwips(height(), scale) > SmallestSide)
        size.setHeight(height());
    browser_->resize(size);
}

}  // namespace atoz
