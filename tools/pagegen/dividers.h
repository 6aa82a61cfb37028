#pragma once

#include "letterbody.h"

#include <QPointF>

#include <vector>

// One wavy line over the whole page: it runs along `along` and swings
// `amplitude` pixels to either side of its base line.
struct Wave
{
    QPointF base;      // a point of the base line
    QPointF along;     // unit direction of the base line
    qreal amplitude = 8;
    qreal wavelength = 150;
    qreal phase = 0;

    QPointF at(qreal t) const;
    QPointF direction(qreal t) const;   // unit tangent
};

// The part of a wave between where it enters the letter and where it leaves
// it again: one divider.
struct Piece
{
    std::vector<QPointF> points;   // half a pixel apart, first and last on the letter's edge
    double angles[2] = {0, 0};     // at its two ends, between the wave and the edge, in degrees
    double bends[2] = {0, 0};      // how far the edge turns around each end, in degrees, outwards positive
    double wideBends[2] = {0, 0};  // the same over a wider stretch of edge
    double length = 0;
    double depth = 0;              // the farthest it gets from the letter's edge
};

std::vector<Piece> CutWave(const Wave& wave, const LetterBody& body);

// Why a piece is no good divider, or nullptr when it is one. It must cross
// a stroke rather than run along it; meet the edge at both ends at
// `minAngle` degrees or more, where the edge runs fairly straight, neither
// in nor next to an inner corner of the letter nor on a tight curve; and
// keep away from the edge in between, so that it leaves no sliver.
const char* PieceFault(const Piece& piece, const LetterBody& body, double minAngle);

// The least distance between two pieces.
double Gap(const Piece& a, const Piece& b);
