#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <vector>

// The inside of one big, round letter: a glyph blown up by `plumpness`
// pixels all round, its inner corners and narrow notches filled with
// arcs of `rounding` pixels. Held as a signed distance to its edge, finer
// than the page's pixels: positive inside the letter, in page pixels.
class LetterBody
{
public:
    static constexpr int Fine = 3;   // grid cells a page pixel, each way

    LetterBody(const QPainterPath& glyph, int pageWidth, int pageHeight, qreal plumpness, qreal rounding);

    double distance(QPointF p) const;       // between grid cells, interpolated
    double distanceAt(int x, int y) const;  // at the centre of page pixel (x, y)
    QPointF outward(QPointF p) const;       // unit normal of the edge nearest p
    QRectF bounds() const { return m_bounds; }

    int holes() const { return m_holes; }             // counters, as in the A
    int glyphHoles() const { return m_glyphHoles; }   // counters of the glyph itself

private:
    double cell(int i, int j) const;

    int m_width = 0;   // of the fine grid
    int m_height = 0;
    std::vector<float> m_distance;
    std::vector<float> m_pixelDistance;   // at the page's pixel centres
    int m_pageWidth = 0;
    QRectF m_bounds;
    int m_holes = 0;
    int m_glyphHoles = 0;
};
