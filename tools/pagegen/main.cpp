// Draws the 26 pages of the book: big, rounded outline capitals A to Z, each
// letter's inside divided by wavy lines into closed areas. The letters come
// from the glyph outlines of a freely licensed font (Comic Neue Bold, Debian's
// fonts-comic-neue). For every letter the generator tries a handful of wave
// layouts and keeps the one whose smallest area is the easiest to hit.
//
//   atoz_pagegen --out assets/pages --sheet docs/contact-sheet.png
// (--font picks another font file; the default is Debian's Comic Neue Bold)
//
// Each page is written as the book embeds it: a 1-bit device-independent
// bitmap without file header (480 x 400, bottom-up rows, bit 1 = white).

#include "pageareas.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

namespace {

constexpr int PageWidth = 480;
constexpr int PageHeight = 400;
constexpr qreal OutlineWidth = 5;   // the letter's outline
constexpr qreal DividerWidth = 4;   // the wavy lines inside it
// How far the glyph is blown up, for a rounder letter: as far as its counters
// (the hole of an A, say) stay big enough to colour.
constexpr qreal Plumpness[] = {12, 10, 8, 6};
constexpr int MinAreaPixels = 500;  // no area smaller than this
constexpr int MinAreaRadius = 6;    // every area holds a 13 x 13 square

struct Layout
{
    int lines = 3;
    Qt::Orientation orientation = Qt::Horizontal;
    qreal shift = 0;   // of the whole set of lines, in fractions of their spacing
    qreal phase = 0;
};

QPainterPath letterShape(QChar letter, const QFont& font, qreal plumpness)
{
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(letter));
    glyph = glyph.simplified();
    const QRectF box = glyph.boundingRect();
    const qreal room = 2 * plumpness + OutlineWidth;
    const qreal scale = std::min((440 - room) / box.width(), (370 - room) / box.height());
    QTransform place;
    place.translate(PageWidth / 2.0, PageHeight / 2.0);
    place.scale(scale, scale);
    place.translate(-box.center().x(), -box.center().y());
    glyph = place.map(glyph);

    QPainterPathStroker stroker;
    stroker.setWidth(2 * plumpness);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    return glyph.united(stroker.createStroke(glyph)).simplified();
}

QPainterPath waves(const QRectF& letterBox, const Layout& layout)
{
    const bool across = layout.orientation == Qt::Horizontal;
    const qreal start = across ? letterBox.top() : letterBox.left();
    const qreal span = across ? letterBox.height() : letterBox.width();
    const qreal spacing = span / (layout.lines + 1);
    const qreal amplitude = std::min(10.0, spacing / 6);
    const qreal wavelength = 150;

    QPainterPath path;
    for (int k = 1; k <= layout.lines; ++k) {
        const qreal base = start + spacing * (k + layout.shift);
        for (int t = -20; t <= 500; t += 4) {
            const qreal offset = amplitude * std::sin(2 * std::numbers::pi * t / wavelength + layout.phase + 1.7 * k);
            const QPointF p = across ? QPointF(t, base + offset) : QPointF(base + offset, t);
            if (t == -20)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
    }
    return path;
}

// Keeps only the black pixels that lie in some 3 x 3 block of black (a
// morphological opening): the spurs a clipped line leaves at the outline go,
// and every line stays at least 3 pixels thick.
void removeSpurs(QImage& page)
{
    const int w = page.width();
    const int h = page.height();
    auto black = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && (page.pixel(x, y) & 0xFFFFFF) == 0;
    };
    std::vector<char> core(size_t(w) * h);  // centres of all-black 3 x 3 blocks
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool all = true;
            for (int dy = -1; dy <= 1 && all; ++dy)
                for (int dx = -1; dx <= 1 && all; ++dx)
                    all = black(x + dx, y + dy);
            core[size_t(y) * w + x] = all;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!black(x, y))
                continue;
            bool covered = false;
            for (int dy = -1; dy <= 1 && !covered; ++dy)
                for (int dx = -1; dx <= 1 && !covered; ++dx) {
                    const int cx = x + dx;
                    const int cy = y + dy;
                    covered = cx >= 0 && cy >= 0 && cx < w && cy < h && core[size_t(cy) * w + cx];
                }
            if (!covered)
                page.setPixel(x, y, 0xFFFFFFFF);
        }
}

QImage drawPage(const QPainterPath& letter, const Layout& layout)
{
    QImage page(PageWidth, PageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setClipPath(letter);
    painter.setPen(QPen(Qt::black, DividerWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(waves(letter.boundingRect(), layout));
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, OutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(letter);
    painter.end();
    removeSpurs(page);
    return page;
}

// How good a page is for a small hand: the size of its smallest area, or
// nothing when the page breaks a rule.
std::optional<double> score(const QImage& page)
{
    const std::vector<PageArea> areas = WhiteAreas(page);
    int outside = 0;
    int inside = 0;
    int smallest = PageWidth * PageHeight;
    for (const PageArea& area : areas) {
        if (area.touchesEdge) {
            ++outside;
            continue;
        }
        if (area.pixels < MinAreaPixels || area.inscribedRadius < MinAreaRadius)
            return std::nullopt;
        ++inside;
        smallest = std::min(smallest, area.pixels);
    }
    if (outside != 1 || inside < 3)
        return std::nullopt;
    // Four to eight areas make a page worth colouring; more get fiddly.
    const double variety = inside >= 4 && inside <= 8 ? 1.0 : 0.7;
    return smallest * variety;
}

QImage bestPage(QChar letter, const QFont& font, qreal plumpness)
{
    const QPainterPath shape = letterShape(letter, font, plumpness);
    QImage best;
    double bestScore = -1;
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        for (int lines = 2; lines <= 4; ++lines) {
            for (qreal shift : {0.0, -0.25, 0.25, -0.12, 0.12}) {
                for (qreal phase : {0.0, 1.0, 2.0, 3.0, 4.5}) {
                    const QImage page = drawPage(shape, {lines, orientation, shift, phase});
                    std::optional<double> s = score(page);
                    if (!s)
                        continue;
                    // Waves that run along a letter's strokes look odd: lines
                    // across the letter win unless none of them works.
                    if (orientation == Qt::Vertical)
                        *s *= 0.3;
                    if (*s > bestScore) {
                        bestScore = *s;
                        best = page;
                    }
                }
            }
        }
    }
    return best;
}

QImage bestPage(QChar letter, const QFont& font)
{
    for (qreal plumpness : Plumpness) {
        QImage page = bestPage(letter, font, plumpness);
        if (!page.isNull())
            return page;
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

QImage contactSheet(const std::vector<QImage>& pages)
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
        painter.drawImage(cell, pages[i]);
    }
    return sheet;
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
    parser.addOptions({fontOption, outOption, sheetOption});
    parser.process(app);

    const int fontId = QFontDatabase::addApplicationFont(parser.value(fontOption));
    if (fontId < 0) {
        std::fprintf(stderr, "cannot load the font %s\n", qPrintable(parser.value(fontOption)));
        return 1;
    }
    QFont font(QFontDatabase::applicationFontFamilies(fontId).value(0));
    font.setBold(true);
    font.setPixelSize(300);

    std::vector<QImage> pages;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        QImage page = bestPage(QChar(letter), font);
        if (page.isNull()) {
            std::fprintf(stderr, "no layout of %c keeps every area big enough\n", letter);
            return 1;
        }
        pages.push_back(page);
    }

    if (parser.isSet(outOption)) {
        QDir().mkpath(parser.value(outOption));
        for (size_t i = 0; i < pages.size(); ++i) {
            QFile file(QDir(parser.value(outOption)).filePath(QStringLiteral("page%1.dib").arg(101 + i)));
            if (!file.open(QIODevice::WriteOnly) || file.write(toDib(pages[i])) < 0) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
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
