#pragma once

#include <span>

// The word for the Japanese language (three characters) as the language list draws it for the
// entry "Japanese", so that it shows without a Japanese font: polylines whose points are offsets
// from the item rectangle's top-left corner, within 38 x 14 pixels. As usual on the platform, a
// line leaves out its end pixel.

struct StrokePoint {
    int x;
    int y;
};

struct Stroke {
    static constexpr int kMaxPoints = 5;
    int count;  // move to the first point, lines through the others
    StrokePoint points[kMaxPoints];
};

std::span<const Stroke> JapaneseWordStrokes();
