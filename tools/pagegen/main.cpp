// Draws the 26 pages of the book: big, rounded outline capitals A to Z, each
// letter's inside divided by wavy lines into closed areas. The letters come
// from the glyph outlines of a freely licensed font (Comic Neue Bold, Debian's
// fonts-comic-neue).
//
// A bar whose round end pokes out past a straight stroke (the crossbar of
// the A) is first cut back to the stroke's edge. Each glyph is then blown
// up into a plump letter and its inner corners are rounded, on a grid three
// times finer than the page, as a signed distance to the letter's edge; the
// 5-pixel outline is the band along that edge.
// The dividers are pieces of long waves: wherever a wave passes through a
// stroke, that piece may become a 4-pixel divider if it crosses the stroke
// at a clear angle, away from the letter's corners, and keeps away from the
// edge in between (see dividers.h). Waves in twelve directions at every
// position across the letter are tried; greedy searches pick waves, in one
// or two directions, that cut the largest area into even parts, and the
// generator keeps the best page among those that pass every check of a
// sound page (see pageareas.h). When no page passes, or the blown-up letter
// closes an opening or squeezes a counter, the letter is blown up less.
//
//   atoz_pagegen --out assets/pages --sheet docs/contact-sheet.png
// (--font picks another font file; the default is Debian's Comic Neue Bold;
// --png writes each page as a PNG too, to look at; --report prints figures)
//
// Each page is written as the book embeds it: a 1-bit device-independent
// bitmap without file header (480 x 400, bottom-up rows, bit 1 = white).
// Beside it goes the page's smooth outline (page101.outline ..), its black
// pixels traced with potrace into lines and curves, which the book draws
// wherever a screen or a printer has more dots than the page has pixels; a
// page goes out only when its outline agrees with its pixels. The outlines
// of the pages already drawn can be made again on their own, without
// drawing the pages:
//
//   atoz_pagegen --trace assets/pages

#include "dividers.h"
#include "letterbody.h"
#include "pageareas.h"
#include "pagetrace.h"
#include "pages/pagelibrary.h"
#include "pages/pageoutline.h"
#include "platform/picture.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <optional>
#include <random>

namespace {

constexpr int PageWidth = 480;
constexpr int PageHeight = 400;
constexpr qreal OutlineWidth = 5;   // the letter's outline
constexpr qreal DividerWidth = 4;   // the wavy lines inside it
// How far the glyph is blown up, for a rounder letter: as far as its
// counters (the hole of an A) and openings (the mouth of a C) stay.
constexpr qreal Plumpness[] = {12, 10, 8, 6};
constexpr qreal Rounding = 8;           // radius of the letter's inner corners
constexpr double MinCrossing = 60;      // degrees between a divider and the edge, at least
constexpr double MinPieceGap = 36;      // between two dividers
constexpr int MinAreaPixels = 1500;     // no area of the letter smaller than this ...
constexpr int MinAreaRadius = 10;       // ... nor without room for a 21 x 21 square
constexpr int MinCounterPixels = 900;   // nor a counter smaller than this
constexpr double WaveStep = 6;          // between the positions of the waves tried
constexpr int Descents = 16;            // greedy searches for each letter and plumpness
constexpr int Choices = 3;              // how many of the best next waves each may take ...
constexpr int FirstChoices = 8;         // ... and of the best first waves
constexpr int Speck = 30;               // white specks this small are filled when a page is finished

// One wave that may be drawn, with the dividers it gives: its pieces that
// cross a stroke well.
struct Candidate
{
    double tilt = 0;         // degrees from level, clockwise on the page
    bool whole = false;      // every piece it cut is a divider
    std::vector<Piece> dividers;
    std::vector<int> ink;    // the pixels they paint, as y * PageWidth + x
};

struct Page
{
    QImage image;
    double score = -1;
    qreal plumpness = 0;
    int letterAreas = 0;
    int counters = 0;
    int smallest = 0;
    double leastAngle = 90;
    QString waves;   // the tilt of each wave drawn
};

// The glyph without the knobs where a bar's round end pokes out past a
// straight stroke: the crossbar of Comic Neue's A overshoots its left leg,
// which on a page is a lump on the leg, an area of its own. A knob is a
// stretch of the outline between two long, straight pieces on one line,
// all of it outside that line and standing out less far than it is wide;
// the stroke's edge then runs straight on. An arm (E, F), a bar through a
// stroke (H) or a crossing (X) stands out much further than it is wide,
// and stays.
QPainterPath withoutKnobs(const QPainterPath& glyph)
{
    const double height = glyph.boundingRect().height();
    const double longPiece = 0.08 * height;
    const double onLine = 0.0075 * height;
    QPainterPath knobs;
    for (QPolygonF contour : glyph.toSubpathPolygons()) {
        if (contour.size() < 4)
            continue;
        if (contour.first() != contour.last())
            contour << contour.first();
        const int n = int(contour.size()) - 1;
        for (int i = 0; i < n; ++i) {
            const QLineF piece(contour[i], contour[i + 1]);
            if (piece.length() < longPiece)
                continue;
            const QPointF along = (piece.p2() - piece.p1()) / piece.length();
            const QPointF right(along.y(), -along.x());
            const QPointF outward = glyph.contains(piece.center() + right) ? -right : right;
            auto standsOut = [&](QPointF q) { return QPointF::dotProduct(q - piece.p1(), outward); };
            for (int k = 2; k < n - 1; ++k) {
                const int j = (i + k) % n;
                const QLineF next(contour[j], contour[j + 1]);
                const double chord = QLineF(piece.p2(), next.p1()).length();
                const bool onOneLine = next.length() >= longPiece && std::abs(standsOut(next.p1())) <= onLine
                                    && std::abs(standsOut(next.p2())) <= onLine
                                    && QPointF::dotProduct(along, (next.p2() - next.p1()) / next.length()) >= 0.999;
                if (chord > 0.25 * height || !onOneLine)
                    continue;
                QPolygonF knob;
                double least = 0;
                double most = 0;
                for (int m = i + 1; m <= i + k; ++m) {
                    knob << contour[m % n];
                    least = std::min(least, standsOut(contour[m % n]));
                    most = std::max(most, standsOut(contour[m % n]));
                }
                if (least >= -onLine && most > onLine && most <= chord)
                    knobs.addPolygon(knob);
                break;
            }
        }
    }
    return knobs.isEmpty() ? glyph : glyph.subtracted(knobs).simplified();
}

QPainterPath placedGlyph(QChar letter, const QFont& font, qreal plumpness)
{
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(letter));
    glyph = withoutKnobs(glyph.simplified());
    const QRectF box = glyph.boundingRect();
    const qreal room = 2 * plumpness + OutlineWidth;
    const qreal scale = std::min((440 - room) / box.width(), (370 - room) / box.height());
    QTransform place;
    place.translate(PageWidth / 2.0, PageHeight / 2.0);
    place.scale(scale, scale);
    place.translate(-box.center().x(), -box.center().y());
    return place.map(glyph);
}

void paint(const Piece& piece, const LetterBody& body, const std::function<void(int)>& pixel)
{
    const double r = DividerWidth / 2;
    for (const QPointF& q : piece.points)
        for (int y = int(std::floor(q.y() - r)); y <= int(q.y() + r); ++y)
            for (int x = int(std::floor(q.x() - r)); x <= int(q.x() + r); ++x) {
                if (x < 0 || y < 0 || x >= PageWidth || y >= PageHeight)
                    continue;
                const double dx = x + 0.5 - q.x();
                const double dy = y + 0.5 - q.y();
                if (dx * dx + dy * dy < r * r && body.distanceAt(x, y) > 0)
                    pixel(y * PageWidth + x);
            }
}

// Waves in every direction, at every position across the letter where they
// give a divider at all.
std::vector<Candidate> candidates(const LetterBody& body)
{
    static constexpr double tilts[] = {0, 90, 15, -15, 30, -30, 45, -45, 60, -60, 75, -75};
    std::vector<Candidate> result;
    std::vector<char> painted(size_t(PageWidth) * PageHeight);
    const QPointF centre = body.bounds().center();
    for (double tilt : tilts) {
        const double radians = tilt * std::numbers::pi / 180;
        const QPointF along(std::cos(radians), std::sin(radians));
        const QPointF across(-along.y(), along.x());
        double low = 1e9;
        double high = -1e9;
        for (int y = 0; y < PageHeight; y += 2)
            for (int x = 0; x < PageWidth; x += 2)
                if (body.distanceAt(x, y) > 0) {
                    const QPointF d = QPointF(x + 0.5, y + 0.5) - centre;
                    const double o = d.x() * across.x() + d.y() * across.y();
                    low = std::min(low, o);
                    high = std::max(high, o);
                }
        for (double offset = low + WaveStep; offset < high; offset += WaveStep) {
            for (double phase : {0.0, std::numbers::pi}) {
                Wave wave;
                wave.base = centre + across * offset;
                wave.along = along;
                wave.phase = phase + offset * 0.037;   // neighbouring waves swing out of step
                Candidate candidate;
                candidate.tilt = tilt;
                const std::vector<Piece> pieces = CutWave(wave, body);
                for (const Piece& piece : pieces)
                    if (!PieceFault(piece, body, MinCrossing))
                        candidate.dividers.push_back(piece);
                if (candidate.dividers.empty())
                    continue;
                candidate.whole = candidate.dividers.size() == pieces.size();
                for (const Piece& piece : candidate.dividers)
                    paint(piece, body, [&](int i) {
                        if (!painted[size_t(i)]) {
                            painted[size_t(i)] = 1;
                            candidate.ink.push_back(i);
                        }
                    });
                for (int i : candidate.ink)
                    painted[size_t(i)] = 0;
                result.push_back(std::move(candidate));
            }
        }
    }
    return result;
}

// Keeps only the pixels of one colour that lie in some 3 x 3 block of it
// (a morphological opening). Of black: every line is at least 3 pixels
// thick. Of white: where a divider meets the outline, the sharp tip of each
// corner fills in.
void open(std::vector<char>& white, int w, int h, char colour)
{
    auto is = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && white[size_t(y) * w + x] == colour; };
    std::vector<char> core(size_t(w) * h);   // centres of 3 x 3 blocks of the colour
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool all = true;
            for (int i = 0; i < 9 && all; ++i)
                all = is(x - 1 + i % 3, y - 1 + i / 3);
            core[size_t(y) * w + x] = all;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!is(x, y))
                continue;
            bool covered = false;
            for (int i = 0; i < 9 && !covered; ++i) {
                const int cx = x - 1 + i % 3;
                const int cy = y - 1 + i / 3;
                covered = cx >= 0 && cy >= 0 && cx < w && cy < h && core[size_t(cy) * w + cx];
            }
            if (!covered)
                white[size_t(y) * w + x] = !colour;
        }
}

// The outline: every pixel whose centre lies within half its width of the
// letter's edge, on either side. The dividers: every pixel inside the
// letter whose centre lies within half their width of a piece. (The page
// gets finish() once it is a page worth keeping.)
std::vector<char> draw(const LetterBody& body, const std::vector<Piece>& pieces)
{
    std::vector<char> white(size_t(PageWidth) * PageHeight, 1);
    for (int y = 0; y < PageHeight; ++y)
        for (int x = 0; x < PageWidth; ++x)
            if (std::abs(body.distanceAt(x, y)) < OutlineWidth / 2)
                white[size_t(y) * PageWidth + x] = 0;
    for (const Piece& piece : pieces)
        paint(piece, body, [&](int i) { white[size_t(i)] = 0; });
    return white;
}

// A page worth keeping gets its lines and corners cleaned up.
void finish(std::vector<char>& white)
{
    open(white, PageWidth, PageHeight, 0);
    open(white, PageWidth, PageHeight, 1);
    // Specks of white left between lines where they meet are filled.
    const PageMap map(white, PageWidth, PageHeight);
    for (int y = 0; y < PageHeight; ++y)
        for (int x = 0; x < PageWidth; ++x) {
            const int a = map.areaAt(x, y);
            if (a >= 0 && map.areas()[size_t(a)].pixels < Speck)
                white[size_t(y) * PageWidth + x] = 0;
        }
    // A pixel that sticks out of a slanting edge on its own, where the
    // outline's pixels happen to fall unevenly, is a tooth a disc as wide as
    // the outline cannot hold: it goes.
    for (int pass = 0; pass < 3; ++pass) {
        const std::vector<QPoint> loose = PageMap(white, PageWidth, PageHeight).looseInk();
        if (loose.empty())
            break;
        for (const QPoint& p : loose) {
            const bool onEdge = (p.x() > 0 && white[size_t(p.y()) * PageWidth + p.x() - 1])
                             || (p.x() + 1 < PageWidth && white[size_t(p.y()) * PageWidth + p.x() + 1])
                             || (p.y() > 0 && white[size_t(p.y() - 1) * PageWidth + p.x()])
                             || (p.y() + 1 < PageHeight && white[size_t(p.y() + 1) * PageWidth + p.x()]);
            if (onEdge)
                white[size_t(p.y()) * PageWidth + p.x()] = 1;
        }
        open(white, PageWidth, PageHeight, 0);
    }
}

QImage toImage(const std::vector<char>& white)
{
    QImage image(PageWidth, PageHeight, QImage::Format_RGB32);
    for (int y = 0; y < PageHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < PageWidth; ++x)
            row[x] = white[size_t(y) * PageWidth + x] ? 0xFFFFFFFF : 0xFF000000;
    }
    return image;
}

// How good a page is for a small hand, or nothing when it breaks a rule
// that needs no more than counting: every area big, as many counters as
// the letter has, three to seven areas in the letter. Even areas score
// best, and so do four to six of them.
std::optional<Page> judge(const PageMap& map, const LetterBody& body)
{
    Page page;
    int outside = 0;
    int total = 0;
    page.smallest = PageWidth * PageHeight;
    for (const PageArea& area : map.areas()) {
        if (area.touchesEdge) {
            ++outside;
            continue;
        }
        if (body.distanceAt(area.seed.x(), area.seed.y()) < 0) {
            if (area.pixels < MinCounterPixels)
                return std::nullopt;
            ++page.counters;
            continue;
        }
        if (area.pixels < MinAreaPixels || area.inscribedRadius < MinAreaRadius)
            return std::nullopt;
        ++page.letterAreas;
        total += area.pixels;
        page.smallest = std::min(page.smallest, area.pixels);
    }
    if (outside != 1 || page.counters != body.holes() || page.letterAreas < 3 || page.letterAreas > 7)
        return std::nullopt;
    static constexpr double countLiking[] = {0, 0, 0, 0.55, 0.9, 1.0, 0.95, 0.8};
    const double evenness = double(page.smallest) * page.letterAreas / total;
    page.score = countLiking[page.letterAreas] * std::sqrt(evenness);
    return page;
}

bool sound(const PageMap& map)
{
    return map.thinInk().empty() && map.narrowPlaces().empty() && map.sharpCorners().empty() && map.looseInk().empty();
}

// Greedy searches for the dividers: each step draws the wave that leaves the
// largest area of the letter smallest, among those that cut no area into a
// bit smaller than MinAreaPixels; one search always takes the best wave,
// the others any of the few best (of a few more for the first wave). Every
// page on the way is judged, and the best sound one kept.
class Search
{
public:
    explicit Search(const LetterBody& body)
        : m_body(body)
        , m_candidates(candidates(body))
        , m_blocked(size_t(PageWidth) * PageHeight)
        , m_seen(size_t(PageWidth) * PageHeight)
    {
    }

    Page best(unsigned seed)
    {
        std::mt19937 random(seed);
        Page best;
        for (int descent = 0; descent < Descents; ++descent)
            descend(descent == 0 ? 1 : FirstChoices, descent == 0 ? 1 : Choices, random, best);
        return best;
    }

private:
    struct Option
    {
        double cost = 0;
        size_t candidate = 0;
    };

    void descend(int firstChoices, int choices, std::mt19937& random, Page& best)
    {
        std::vector<size_t> chosen;
        std::vector<Piece> pieces;
        std::vector<double> tilts;
        std::vector<char> white = draw(m_body, pieces);
        for (;;) {
            const PageMap map(white, PageWidth, PageHeight);
            std::vector<std::vector<int>> pixelsOf(map.areas().size());
            int largest = 0;
            for (size_t a = 0; a < map.areas().size(); ++a)
                if (isLetterArea(map, int(a)))
                    largest = std::max(largest, map.areas()[a].pixels);
            for (int i = 0; i < PageWidth * PageHeight; ++i) {
                const int a = map.areaAt(i % PageWidth, i / PageWidth);
                if (a >= 0 && isLetterArea(map, a))
                    pixelsOf[size_t(a)].push_back(i);
            }

            std::vector<Option> options;
            for (size_t c = 0; c < m_candidates.size(); ++c) {
                const Candidate& candidate = m_candidates[c];
                const bool newTilt = std::find(tilts.begin(), tilts.end(), candidate.tilt) == tilts.end();
                if (std::find(chosen.begin(), chosen.end(), c) != chosen.end() || (newTilt && tilts.size() >= 2))
                    continue;
                const bool clear = std::all_of(candidate.dividers.begin(), candidate.dividers.end(), [&](const Piece& piece) {
                    return std::all_of(pieces.begin(), pieces.end(),
                                       [&](const Piece& other) { return Gap(piece, other) >= MinPieceGap; });
                });
                if (!clear)
                    continue;
                const std::optional<int> after = largestAfter(map, pixelsOf, candidate, largest);
                if (!after)
                    continue;
                // Waves square to the strokes, level waves, whole waves and
                // waves of one direction look calmest.
                double square = 1;
                for (const Piece& piece : candidate.dividers)
                    for (double angle : piece.angles)
                        square = std::min(square, std::sin(angle * std::numbers::pi / 180));
                const double cost = *after / (square * square) * (candidate.tilt == 0 ? 1.0 : 1.08)
                                  * (candidate.whole ? 1.0 : 1.1) * (newTilt && !tilts.empty() ? 1.1 : 1.0);
                options.push_back({cost, c});
            }
            if (options.empty())
                return;
            std::sort(options.begin(), options.end(), [](const Option& a, const Option& b) { return a.cost < b.cost; });
            const size_t among = std::min(options.size(), size_t(chosen.empty() ? firstChoices : choices));
            const size_t c = options[random() % among].candidate;
            chosen.push_back(c);
            for (const Piece& piece : m_candidates[c].dividers)
                pieces.push_back(piece);
            if (std::find(tilts.begin(), tilts.end(), m_candidates[c].tilt) == tilts.end())
                tilts.push_back(m_candidates[c].tilt);
            white = draw(m_body, pieces);
            consider(white, chosen, best);
        }
    }

    bool isLetterArea(const PageMap& map, int a) const
    {
        const PageArea& area = map.areas()[size_t(a)];
        return !area.touchesEdge && m_body.distanceAt(area.seed.x(), area.seed.y()) > 0;
    }

    // The largest area of the letter once the candidate is drawn too, or
    // nothing when it would cut off a bit too small, or would only slice up
    // areas much smaller than the largest (stripes).
    std::optional<int> largestAfter(const PageMap& map, const std::vector<std::vector<int>>& pixelsOf,
                                    const Candidate& candidate, int largestNow)
    {
        std::vector<int> touched;
        for (int i : candidate.ink) {
            const int a = map.areaAt(i % PageWidth, i / PageWidth);
            if (a >= 0 && isLetterArea(map, a) && std::find(touched.begin(), touched.end(), a) == touched.end())
                touched.push_back(a);
        }
        const bool splitsABigOne = std::any_of(touched.begin(), touched.end(), [&](int a) {
            return int(pixelsOf[size_t(a)].size()) * 2 >= largestNow;
        });
        if (!splitsABigOne)
            return std::nullopt;
        int largest = 0;
        for (size_t a = 0; a < pixelsOf.size(); ++a)
            if (std::find(touched.begin(), touched.end(), int(a)) == touched.end())
                largest = std::max(largest, int(pixelsOf[a].size()));
        for (int i : candidate.ink)
            m_blocked[size_t(i)] = 1;
        ++m_generation;
        bool fits = true;
        for (int a : touched) {
            for (int start : pixelsOf[size_t(a)]) {
                if (m_blocked[size_t(start)] || m_seen[size_t(start)] == m_generation)
                    continue;
                const int part = fill(map, a, start);
                if (part >= Speck && part < MinAreaPixels)
                    fits = false;
                largest = std::max(largest, part);
            }
        }
        for (int i : candidate.ink)
            m_blocked[size_t(i)] = 0;
        return fits ? std::optional<int>(largest) : std::nullopt;
    }

    // The size of the part of area `a` around `start` that the blocked pixels leave.
    int fill(const PageMap& map, int a, int start)
    {
        m_stack.clear();
        m_stack.push_back(start);
        m_seen[size_t(start)] = m_generation;
        int size = 0;
        while (!m_stack.empty()) {
            const int i = m_stack.back();
            m_stack.pop_back();
            ++size;
            const int x = i % PageWidth;
            const int y = i / PageWidth;
            const int next[] = {x > 0 ? i - 1 : -1, x + 1 < PageWidth ? i + 1 : -1, y > 0 ? i - PageWidth : -1,
                                y + 1 < PageHeight ? i + PageWidth : -1};
            for (int n : next)
                if (n >= 0 && m_seen[size_t(n)] != m_generation && !m_blocked[size_t(n)]
                    && map.areaAt(n % PageWidth, n / PageWidth) == a) {
                    m_seen[size_t(n)] = m_generation;
                    m_stack.push_back(n);
                }
        }
        return size;
    }

    void consider(std::vector<char> white, const std::vector<size_t>& chosen, Page& best) const
    {
        std::optional<Page> page = judge(PageMap(white, PageWidth, PageHeight), m_body);
        if (!page)
            return;
        int whole = 0;
        std::vector<double> tilts;
        for (size_t c : chosen) {
            const Candidate& candidate = m_candidates[c];
            whole += candidate.whole;
            if (std::find(tilts.begin(), tilts.end(), candidate.tilt) == tilts.end())
                tilts.push_back(candidate.tilt);
            for (const Piece& piece : candidate.dividers)
                page->leastAngle = std::min({page->leastAngle, piece.angles[0], piece.angles[1]});
            page->waves += QStringLiteral(" %1").arg(candidate.tilt);
        }
        // Waves square to the strokes look calmest; so do waves drawn all
        // the way through the letter rather than here and there, and waves
        // of one direction rather than two.
        const double square = std::sin(page->leastAngle * std::numbers::pi / 180);
        const double wholeness = double(whole) / double(chosen.size());
        const bool level = tilts.size() == 1 && tilts[0] == 0;
        page->score *= square * square * (0.7 + 0.3 * wholeness) * (level ? 1.0 : tilts.size() == 1 ? 0.9 : 0.8);
        if (page->score <= best.score)
            return;
        finish(white);
        const PageMap map(white, PageWidth, PageHeight);
        if (!judge(map, m_body) || !sound(map))
            return;
        page->image = toImage(white);
        best = *page;
    }

    const LetterBody& m_body;
    std::vector<Candidate> m_candidates;
    std::vector<char> m_blocked;
    std::vector<unsigned> m_seen;
    unsigned m_generation = 0;
    std::vector<int> m_stack;
};

Page bestPage(QChar letter, const QFont& font)
{
    for (qreal plumpness : Plumpness) {
        const LetterBody body(placedGlyph(letter, font, plumpness), PageWidth, PageHeight, plumpness, Rounding);
        // A letter blown up so far that a counter or an opening closes no
        // longer reads as itself.
        if (body.holes() != body.glyphHoles())
            continue;
        // Nor does one whose counters have shrunk to specks.
        const PageMap outline(draw(body, {}), PageWidth, PageHeight);
        const bool roomyCounters = std::all_of(outline.areas().begin(), outline.areas().end(), [&](const PageArea& area) {
            return area.touchesEdge || body.distanceAt(area.seed.x(), area.seed.y()) > 0 || area.pixels >= MinCounterPixels;
        });
        if (!roomyCounters)
            continue;
        Page page = Search(body).best(letter.unicode() * 131 + unsigned(plumpness));
        if (page.score > 0) {
            page.plumpness = plumpness;
            return page;
        }
    }
    return {};
}

QByteArray toDib(const QImage& page)
{
    constexpr int rowBytes = PageWidth / 8;
    constexpr int imageSize = rowBytes * PageHeight;
    QByteArray dib(40 + 8 + imageSize, '\0');
    auto* d = reinterpret_cast<uchar*>(dib.data());
    qToLittleEndian<quint32>(40, d);
    qToLittleEndian<qint32>(PageWidth, d + 4);
    qToLittleEndian<qint32>(PageHeight, d + 8);   // positive: rows bottom-up
    qToLittleEndian<quint16>(1, d + 12);          // planes
    qToLittleEndian<quint16>(1, d + 14);          // bits per pixel
    qToLittleEndian<quint32>(0, d + 16);          // no compression
    qToLittleEndian<quint32>(imageSize, d + 20);
    qToLittleEndian<quint32>(2, d + 32);          // colours used
    uchar* table = d + 40;                        // entry 0 black, entry 1 white
    table[4] = table[5] = table[6] = 0xFF;
    uchar* bits = d + 48;
    for (int y = 0; y < PageHeight; ++y) {
        uchar* row = bits + (PageHeight - 1 - y) * rowBytes;
        for (int x = 0; x < PageWidth; ++x)
            if ((page.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                row[x / 8] |= uchar(0x80 >> (x % 8));
    }
    return dib;
}

QImage contactSheet(const std::vector<Page>& pages)
{
    constexpr int columns = 6;
    constexpr int cellW = PageWidth / 2;
    constexpr int cellH = PageHeight / 2;
    constexpr int gap = 12;
    const int rows = (int(pages.size()) + columns - 1) / columns;
    QImage sheet(columns * (cellW + gap) + gap, rows * (cellH + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = 0; i < pages.size(); ++i) {
        const QRect cell(gap + int(i % columns) * (cellW + gap), gap + int(i / columns) * (cellH + gap), cellW, cellH);
        painter.drawImage(cell, pages[i].image);
    }
    return sheet;
}

// The widest disc for which the page still passes the width check, with
// as much slack as the disc's radius: the page's narrowest place.
int narrowest(const PageMap& map)
{
    int radius = FingerRadius;
    while (radius < 40 && map.narrowPlaces(radius + 1, radius + 1).empty())
        ++radius;
    return 2 * radius + 1;
}

void report(QChar letter, const Page& page)
{
    std::printf("%c  plumpness %2.0f  areas %d + %d counters  smallest %5d px  narrowest %2d px  crossing >= %2.0f deg  waves%s\n",
                letter.toLatin1(), page.plumpness, page.letterAreas, page.counters, page.smallest,
                narrowest(PageMap(page.image)), page.leastAngle, qPrintable(page.waves));
    std::fflush(stdout);
}

// The page's smooth outline as the book embeds it, beside the page in `dir`;
// false, with the reason told, when it cannot be written or strays from the
// page's pixels.
bool writeOutline(const QImage& page, const QString& dir, const QString& name)
{
    const QPainterPath outline = TracePage(page);
    const QByteArray text = atoz::OutlineText(outline);
    // What the book will read, checked against the page.
    if (const std::vector<QPoint> apart = OutlineDisagreements(page, atoz::ParseOutline(text)); !apart.empty()) {
        std::fprintf(stderr, "%s: the smooth outline parts from the page's pixels at %d,%d\n", qPrintable(name),
                     apart.front().x(), apart.front().y());
        return false;
    }
    QFile file(QDir(dir).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// Makes the outlines of the pages in `dir` as they are, drawing nothing.
int traceAll(const QString& dir)
{
    for (int i = 0; i < atoz::PageCount; ++i) {
        const QString name = QStringLiteral("page%1").arg(atoz::PageResourceId(i));
        QFile file(QDir(dir).filePath(name + ".dib"));
        const QImage page = file.open(QIODevice::ReadOnly) ? atoz::LoadPictureData(file.readAll()) : QImage();
        if (page.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        if (!writeOutline(page, dir, name + ".outline"))
            return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption fontOption("font", "The bold font whose capitals are drawn.", "file",
                                        "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf");
    const QCommandLineOption outOption("out", "Directory for page101.dib .. page126.dib.", "dir");
    const QCommandLineOption sheetOption("sheet", "Also write a contact sheet of all pages (PNG).", "file");
    const QCommandLineOption pngOption("png", "Also write every page as page101.png .. page126.png.", "dir");
    const QCommandLineOption lettersOption("letters", "Draw only these letters (to look at them).", "letters");
    const QCommandLineOption reportOption("report", "Print the figures of every page.");
    const QCommandLineOption traceOption("trace", "Only trace the pages in dir into their smooth outlines.", "dir");
    parser.addOptions({fontOption, outOption, sheetOption, pngOption, lettersOption, reportOption, traceOption});
    parser.process(app);
    if (parser.isSet(traceOption))
        return traceAll(parser.value(traceOption));

    const int fontId = QFontDatabase::addApplicationFont(parser.value(fontOption));
    if (fontId < 0) {
        std::fprintf(stderr, "cannot load the font %s\n", qPrintable(parser.value(fontOption)));
        return 1;
    }
    QFont font(QFontDatabase::applicationFontFamilies(fontId).value(0));
    font.setBold(true);
    font.setPixelSize(300);

    const QString letters = parser.isSet(lettersOption) ? parser.value(lettersOption).toUpper()
                                                        : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    if (parser.isSet(outOption) && letters.size() != 26) {
        std::fprintf(stderr, "--out writes the whole book: leave out --letters\n");
        return 1;
    }
    std::vector<Page> pages;
    for (QChar letter : letters) {
        Page page = bestPage(letter, font);
        if (page.image.isNull()) {
            std::fprintf(stderr, "no set of waves divides %c into areas a small hand can hit\n", letter.toLatin1());
            return 1;
        }
        if (const std::vector<QString> crooked = CrookedStrokes(char(letter.toLatin1()), page.image); !crooked.empty()) {
            std::fprintf(stderr, "%c: a straight stroke is not straight: %s\n", letter.toLatin1(),
                         qPrintable(crooked.front()));
            return 1;
        }
        if (parser.isSet(reportOption))
            report(letter, page);
        pages.push_back(page);
    }

    auto pageName = [&](int i, const char* suffix) {
        return QStringLiteral("page%1.%2").arg(101 + (letters[i].unicode() - 'A')).arg(QLatin1String(suffix));
    };
    if (parser.isSet(outOption)) {
        QDir().mkpath(parser.value(outOption));
        for (size_t i = 0; i < pages.size(); ++i) {
            QFile file(QDir(parser.value(outOption)).filePath(pageName(int(i), "dib")));
            if (!file.open(QIODevice::WriteOnly) || file.write(toDib(pages[i].image)) < 0) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
            if (!writeOutline(pages[i].image, parser.value(outOption), pageName(int(i), "outline")))
                return 1;
        }
    }
    if (parser.isSet(pngOption)) {
        QDir().mkpath(parser.value(pngOption));
        for (size_t i = 0; i < pages.size(); ++i) {
            const QString name = QDir(parser.value(pngOption)).filePath(pageName(int(i), "png"));
            if (!pages[i].image.convertToFormat(QImage::Format_Mono).save(name)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    if (parser.isSet(sheetOption) && !contactSheet(pages).save(parser.value(sheetOption))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(parser.value(sheetOption)));
        return 1;
    }
    return 0;
}
