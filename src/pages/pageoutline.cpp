#include "pageoutline.h"

#include "pages/pagelibrary.h"
#include "platform/colour.h"

#include <QFile>

#include <charconv>
#include <cmath>

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

QImage blackAndWhite(const QImage& picture)
{
    return picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
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
    const QImage page = blackAndWhite(LoadPagePicture(index, PictureForm::AsStored));
    const QImage own = blackAndWhite(picture);
    if (page.size() != own.size())
        return {};
    const QRgb black = ToQRgb(Black) & 0xFFFFFF;
    for (int y = 0; y < page.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(own.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (((a[x] & 0xFFFFFF) == black) != ((b[x] & 0xFFFFFF) == black))
                return {};
    }
    return LoadPageOutline(index);
}

}  // namespace atoz
