#pragma once

#include <QWidget>

namespace atoz {

class ColouringPage;

// The colouring page `Page_2` on screen. It paints the book's page being
// coloured and follows its changes; it holds no picture of its own. It takes
// the size of the page and shows it 1:1 in logical pixels, so a click
// position is a page position.
class PageSurface : public QWidget
{
    Q_OBJECT

public:
    explicit PageSurface(const ColouringPage& page, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ColouringPage& page_;
};

}  // namespace atoz
