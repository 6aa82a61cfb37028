#include "dividers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Step = 0.5;         // between the points of a piece
constexpr double Reach = 400;        // how far a wave runs either way from its base point
// A crossing piece is about as long as the stroke is wide: one that runs
// along a stroke, or turns the corner into another, is much longer.
constexpr double AcrossRatio = 1.3;
// Away from its ends, a piece keeps this far from the letter's edge ...
constexpr double Clearance = 14;
// ... and near an end, at least this share of the way it has come from the edge.
constexpr double ClimbRatio = 0.5;

// The edge near an end is judged over this far either way along it.
constexpr double EdgeSpan = 7;
// Where the edge turns inwards more than this over 2 x EdgeSpan, a divider
// would end in a corner of the letter, such as where the A's crossbar meets
// a leg; where it turns outwards more than the other, on a tight curve.
constexpr double MaxInwardBend = 20;
constexpr double MaxOutwardBend = 35;
// Over a wider stretch of edge, a divider keeps clear of the letter's inner
// corners: one next to the corner where an arm of the E meets the stem
// looks like the stem's edge running on.
constexpr double WideSpan = 18;
constexpr double MaxWideInwardBend = 30;

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

QPointF ontoEdge(QPointF p, const LetterBody& body)
{
    for (int i = 0; i < 3; ++i)
        p += body.outward(p) * body.distance(p);
    return p;
}

// How far the letter's edge turns from `span` before `end` to `span` after
// it: outwards (round the letter, as at the end of a stroke) positive,
// inwards (into a corner between strokes) negative.
double bendAround(QPointF end, QPointF tangent, double span, const LetterBody& body)
{
    const QPointF n1 = body.outward(ontoEdge(end - tangent * span, body));
    const QPointF n2 = body.outward(ontoEdge(end + tangent * span, body));
    return degrees(std::atan2(n1.x() * n2.y() - n1.y() * n2.x(), n1.x() * n2.x() + n1.y() * n2.y()));
}

// The angle between a wave and the letter's edge where the wave crosses it
// at `end`, against the chord of the edge from EdgeSpan before to EdgeSpan
// after, and the edge's bends around it.
void judgeEnd(QPointF end, QPointF direction, const LetterBody& body, double& angle, double& bend, double& wideBend)
{
    const QPointF normal = body.outward(end);
    const QPointF tangent(-normal.y(), normal.x());
    const QPointF before = ontoEdge(end - tangent * EdgeSpan, body);
    const QPointF after = ontoEdge(end + tangent * EdgeSpan, body);
    QPointF chord = after - before;
    chord /= std::hypot(chord.x(), chord.y());
    const double c = std::abs(direction.x() * chord.x() + direction.y() * chord.y());
    angle = degrees(std::acos(std::min(1.0, c)));
    bend = bendAround(end, tangent, EdgeSpan, body);
    wideBend = bendAround(end, tangent, WideSpan, body);
}

}  // namespace

QPointF Wave::at(qreal t) const
{
    const QPointF across(-along.y(), along.x());
    return base + along * t + across * (amplitude * std::sin(2 * std::numbers::pi * t / wavelength + phase));
}

QPointF Wave::direction(qreal t) const
{
    const QPointF across(-along.y(), along.x());
    const double slope = amplitude * 2 * std::numbers::pi / wavelength * std::cos(2 * std::numbers::pi * t / wavelength + phase);
    const QPointF d = along + across * slope;
    return d / std::hypot(d.x(), d.y());
}

std::vector<Piece> CutWave(const Wave& wave, const LetterBody& body)
{
    std::vector<Piece> pieces;
    double previousT = -Reach;
    double previous = body.distance(wave.at(previousT));
    Piece piece;
    for (double t = -Reach + Step; t <= Reach; t += Step) {
        const QPointF p = wave.at(t);
        const double d = body.distance(p);
        if (previous <= 0 && d > 0) {   // enters the letter
            const double te = previousT + Step * (-previous) / (d - previous);
            const QPointF e = wave.at(te);
            piece = Piece();
            piece.points.push_back(e);
            judgeEnd(e, wave.direction(te), body, piece.angles[0], piece.bends[0], piece.wideBends[0]);
        }
        if (d > 0) {
            piece.points.push_back(p);
            piece.depth = std::max(piece.depth, d);
        }
        if (previous > 0 && d <= 0 && !piece.points.empty()) {   // leaves it
            const double tx = previousT + Step * previous / (previous - d);
            const QPointF x = wave.at(tx);
            piece.points.push_back(x);
            judgeEnd(x, wave.direction(tx), body, piece.angles[1], piece.bends[1], piece.wideBends[1]);
            for (size_t i = 1; i < piece.points.size(); ++i) {
                const QPointF step = piece.points[i] - piece.points[i - 1];
                piece.length += std::hypot(step.x(), step.y());
            }
            pieces.push_back(std::move(piece));
            piece = Piece();
        }
        previous = d;
        previousT = t;
    }
    return pieces;
}

const char* PieceFault(const Piece& piece, const LetterBody& body, double minAngle)
{
    if (piece.points.size() < 3)
        return "too short";
    if (piece.angles[0] < minAngle || piece.angles[1] < minAngle)
        return "meets the edge at a shallow angle";
    for (int end = 0; end < 2; ++end) {
        if (piece.bends[end] < -MaxInwardBend)
            return "ends in a corner";
        if (piece.wideBends[end] < -MaxWideInwardBend)
            return "ends next to a corner";
        if (piece.bends[end] > MaxOutwardBend)
            return "ends on a tight curve";
    }
    if (piece.length > AcrossRatio * 2 * piece.depth)
        return "runs along a stroke";
    double fromStart = 0;
    for (size_t i = 1; i + 1 < piece.points.size(); ++i) {
        const QPointF step = piece.points[i] - piece.points[i - 1];
        fromStart += std::hypot(step.x(), step.y());
        const double fromEnd = std::min(fromStart, piece.length - fromStart);
        if (body.distance(piece.points[i]) < std::min(Clearance, ClimbRatio * fromEnd))
            return "runs close to the edge";
    }
    return nullptr;
}

double Gap(const Piece& a, const Piece& b)
{
    // Points four steps (2 pixels) apart are near enough for a gap of many pixels.
    double least = 1e9;
    for (size_t i = 0; i < a.points.size(); i += 4)
        for (size_t j = 0; j < b.points.size(); j += 4) {
            const QPointF d = a.points[i] - b.points[j];
            least = std::min(least, d.x() * d.x() + d.y() * d.y());
        }
    return std::sqrt(least);
}
