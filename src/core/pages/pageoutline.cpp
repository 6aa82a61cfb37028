#include "pageoutline.h"

#include "pages/pagelibrary.h"
#include "platform/colour.h"

#include <QFile>

#include <algorithm>

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace atoz {

namespace {

// How far a point of an outline may lie off the page, in page sizes: the
// control points of a curve can stand well beyond the curve itself.
constexpr double OffPage = 1;
// More commands than any page has: text beyond this is not an outline.
constexpr int MostCommands = 200000;

QByteArray number(double value)
{
    QByteArray text = QByteArray::number(std::round(value * 100) / 100, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

void appendPoint(QByteArray& text, QPointF point)
{
    text += ' ' + number(point.x()) + ' ' + number(point.y());
}

bool isSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == ',';
}

// Reads the text's words one at a time: command letters and numbers;
// comment lines (from a '#' to the end of its line) are passed over.
class Words
{
public:
    explicit Words(QByteArrayView text) : at_(text.data()), end_(text.data() + text.size()) {}

    bool AtEnd()
    {
        skip();
        return at_ == end_;
    }
    // The next command letter, or 0 when the next word is none.
    char Command()
    {
        skip();
        if (at_ == end_ || (*at_ != 'M' && *at_ != 'L' && *at_ != 'C' && *at_ != 'Z'))
            return 0;
        return *at_++;
    }
    bool Point(QPointF& point)
    {
        double x = 0, y = 0;
        if (!Number(x, PageSize.width()) || !Number(y, PageSize.height()))
            return false;
        point = {x, y};
        return true;
    }

private:
    bool Number(double& value, int size)
    {
        skip();
        const auto [next, error] = std::from_chars(at_, end_, value);
        if (error != std::errc() || (next != end_ && !isSpace(*next) && *next != '#'))
            return false;
        at_ = next;
        return std::isfinite(value) && value >= -OffPage * size && value <= (1 + OffPage) * size;
    }
    void skip()
    {
        while (at_ != end_ && (isSpace(*at_) || *at_ == '#')) {
            if (*at_ == '#')
                while (at_ != end_ && *at_ != '\n')
                    ++at_;
            else
                ++at_;
        }
    }

    const char* at_;
    const char* end_;
};

// Whether two pictures of one format hold the same bytes, colour table
// included: the library page itself, as a folder keeps an uncoloured page.
// (QImage's own comparison reads such pictures a pixel at a time.)
bool sameBytes(const QImage& a, const QImage& b)
{
    if (a.format() != b.format() || a.size() != b.size() || a.colorTable() != b.colorTable())
        return false;
    const size_t bytes = (size_t(a.width()) * size_t(a.depth()) + 7) / 8;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), bytes) != 0)
            return false;
    return true;
}

// One flag a pixel, row after row: whether the pixel is black. A picture of
// 1 or 8 bits a pixel is read through its colour table, an index beyond the
// table as black.
std::vector<char> blackPixels(const QImage& picture)
{
    std::vector<char> black(size_t(picture.width()) * size_t(picture.height()));
    const QImage::Format format = picture.format();
    if (format != QImage::Format_Mono && format != QImage::Format_MonoLSB && format != QImage::Format_Indexed8) {
        const QImage full = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < full.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(full.constScanLine(y));
            for (int x = 0; x < full.width(); ++x)
                black[size_t(y) * size_t(full.width()) + size_t(x)] = (row[x] & 0xFFFFFF) == (ToQRgb(Black) & 0xFFFFFF);
        }
        return black;
    }
    bool table[256];
    std::fill(std::begin(table), std::end(table), true);
    const QList<QRgb> colours = picture.colorTable();
    for (qsizetype i = 0; i < colours.size() && i < 256; ++i)
        table[i] = (colours[i] & 0xFFFFFF) == 0;
    // The 8 flags of each byte of a 1-bit picture, once.
    char bits[256][8] = {};
    for (int b = 0; b < 256 && format != QImage::Format_Indexed8; ++b)
        for (int i = 0; i < 8; ++i)
            bits[b][i] = table[(format == QImage::Format_Mono ? b >> (7 - i) : b >> i) & 1];
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* row = picture.constScanLine(y);
        char* out = black.data() + size_t(y) * size_t(width);
        if (format == QImage::Format_Indexed8) {
            for (int x = 0; x < width; ++x)
                out[x] = table[row[x]];
            continue;
        }
        int x = 0;
        for (; x + 8 <= width; x += 8)
            std::memcpy(out + x, bits[row[x / 8]], 8);
        for (int i = 0; x < width; ++x, ++i)
            out[x] = bits[row[x / 8]][i];
    }
    return black;
}

}  // namespace

QByteArray OutlineText(const QPainterPath& outline)
{
    QByteArray text = "# The page's black pixels as a smooth outline: SVG path data in page pixels\n";
    const int count = outline.elementCount();
    QPointF start;
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = outline.elementAt(i);
        const bool endsFigure = i + 1 == count || outline.elementAt(i + 1).isMoveTo();
        if (e.isMoveTo()) {
            if (i > 0)
                text += "Z\n";
            start = e;
            text += 'M';
            appendPoint(text, e);
        } else if (e.isLineTo()) {
            if (endsFigure && QPointF(e) == start)
                continue;  // the close draws it
            text += 'L';
            appendPoint(text, e);
        } else if (e.isCurveTo() && i + 2 < count) {
            text += 'C';
            appendPoint(text, e);
            appendPoint(text, outline.elementAt(i + 1));
            appendPoint(text, outline.elementAt(i + 2));
            i += 2;
        } else {
            continue;
        }
        text += '\n';
    }
    if (count > 0)
        text += "Z\n";
    return text;
}

QPainterPath ParseOutline(QByteArrayView text)
{
    QPainterPath outline;
    Words words(text);
    bool open = false;  // a figure is begun and not yet closed
    for (int commands = 0; !words.AtEnd(); ++commands) {
        const char command = words.Command();
        QPointF p[3];
        bool ok = commands < MostCommands;
        switch (command) {
        case 'M':
            ok = ok && !open && words.Point(p[0]);
            if (ok)
                outline.moveTo(p[0]);
            open = true;
            break;
        case 'L':
            ok = ok && open && words.Point(p[0]);
            if (ok)
                outline.lineTo(p[0]);
            break;
        case 'C':
            ok = ok && open && words.Point(p[0]) && words.Point(p[1]) && words.Point(p[2]);
            if (ok)
                outline.cubicTo(p[0], p[1], p[2]);
            break;
        case 'Z':
            ok = ok && open;
            outline.closeSubpath();
            open = false;
            break;
        default:
            ok = false;
        }
        if (!ok)
            return {};
    }
    if (open)
        return {};
    return outline;
}

QPainterPath LoadPageOutline(int index)
{
    if (!IsPageIndex(index))
        return {};
    QFile file(QStringLiteral(":/pages/page%1.outline").arg(PageResourceId(index)));
    return file.open(QIODevice::ReadOnly) ? ParseOutline(file.readAll()) : QPainterPath();
}

QPainterPath OutlineFor(const QImage& picture, int index)
{
    if (picture.size() != PageSize || !IsPageIndex(index))
        return {};
    const QImage library = LoadPagePicture(index, PictureForm::AsStored);
    if (!sameBytes(picture, library) && blackPixels(picture) != blackPixels(library))
        return {};
    return LoadPageOutline(index);
}

}  // namespace atoz
