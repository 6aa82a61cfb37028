#pragma once

#include <QObject>
#include <QRect>
#include <QWidget>

#include <array>

namespace atoz {

class Palette;

// One paint swatch, `Paint_<index>` on the colouring bar. Any mouse button
// selects it.
class Swatch : public QWidget
{
    Q_OBJECT

public:
    Swatch(int index, QWidget* parent);
    int index() const { return index_; }

signals:
    void mouseDown(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int index_;
};

// The 42 swatches and the marker of the selected one, laid out on the
// colouring bar in three columns of fourteen rows, and kept in step with the
// palette.
class PaintSwatches : public QObject
{
    Q_OBJECT

public:
    PaintSwatches(Palette& palette, QWidget* bar);

    // Where swatch `index` stands on the bar, in pixels.
    static QRect SwatchGeometry(int index);

    void Paint_MouseDown(int index);

    Swatch* swatch(int index) const { return swatches_.at(size_t(index)); }
    QWidget* marker() const { return marker_; }

private:
    void refresh();

    Palette& palette_;
    std::array<Swatch*, 42> swatches_{};
    QWidget* marker_;
};

}  // namespace atoz
