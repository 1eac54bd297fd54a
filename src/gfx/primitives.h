// Drawing primitives: every shape the game, the GUI and the key pointer draw into a Surface.
//
// Coordinates are integer surface pixels; where a primitive computes in floating point it
// truncates toward zero. Each primitive clips once per shape (the segment clipper, a rectangle
// intersection or a bounds test of the whole shape) and then runs integer loops on pixel
// pointers; only DrawLineClipped and FillEllipse's edge path test their pixels one by one.
//
// On a 480-wide surface (the hi-res screen) DrawCross and the slope bands draw their outline a
// second time one pixel further, so that lines keep their apparent thickness.
#pragma once

#include <cstdint>
#include <span>

#include "gfx/box.h"
#include "gfx/surface.h"

namespace gfx {

/// A point in surface pixels.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

/// Width of the hi-res surface on which outlines are drawn twice.
inline constexpr int kDoubleOutlineWidth = 480;

/// One horizontal span in the row starting at row (rowLength pixels). x1 and x2 are clamped to
/// [0, rowLength - 1] and ordered; pixels min .. max - 1 are written, or the single pixel when
/// both are equal (a span never writes its right end unless it is one pixel long).
void FillSpan(std::uint16_t* row, int x1, int x2, int rowLength, std::uint16_t colour);

/// Cuts the segment (x1, y1)-(x2, y2) to the closed rectangle [left, right] x [top, bottom].
/// Crossings are computed in single precision and truncated. Returns false, leaving the end
/// points unchanged, when no part of the segment lies inside.
bool ClipSegment(int& x1, int& y1, int& x2, int& y2, int left, int top, int right, int bottom);

/// 4-connected line (never a diagonal step) clipped to the surface; a line across n pixels
/// diagonally has 2n - 1 pixels.
void DrawLine(Surface& s, int x1, int y1, int x2, int y2, std::uint16_t colour);

/// The same walk over the unclipped segment; each pixel is written only if it lies strictly
/// inside the bounds (left < x < left + width and top < y < top + height). The walk costs the
/// whole segment's length, so it is meant for short strokes such as the cross-hair's.
void DrawLineClipped(Surface& s, int x1, int y1, int x2, int y2, std::uint16_t colour);

/// Cross-hair with arms of size / 2 pixels either side of the centre; two pixels thick on a
/// 480-wide surface.
void DrawCross(Surface& s, int cx, int cy, int size, std::uint16_t colour);

/// Solid rectangle clipped to the surface.
void FillRect(Surface& s, int x, int y, int w, int h, std::uint16_t colour);

/// Rectangle whose row r (0 at the top row of the clipped rectangle) takes table[firstIndex - r]:
/// the table is read backward while the rows go down, and clipping at the top does not shift the
/// index. Rows whose index falls outside the table are left untouched.
void FillRectRows(Surface& s, int x, int y, int w, int h, int firstIndex,
                  std::span<const std::uint16_t> table);

/// Translucent rectangle, opacity 0..255 (31 and above fill solidly; lower values blend
/// (source * a + destination * (255 - a)) / 255 per 5/6/5-bit field). Nothing is drawn unless
/// the rectangle lies wholly inside the surface.
void FillRectAlpha(Surface& s, int x, int y, int w, int h, std::uint16_t colour, int opacity);

/// Filled ellipse with radii rx, ry (pixels, 0..16383) about (cx, cy), by the midpoint
/// algorithm. Radius 0 draws a line (or a single pixel); negative radii draw nothing.
void FillEllipse(Surface& s, int cx, int cy, int rx, int ry, std::uint16_t colour);

/// Filled triangle; the bottom row is not filled. clip (intersected with the surface bounds)
/// limits the drawing; nullptr means the surface bounds.
void FillTriangle(Surface& s, Point p0, Point p1, Point p2, std::uint16_t colour,
                  const Box* clip = nullptr);

/// A link between two points. style 1: DrawLine; style 2: two crossing lines halfWidth apart at
/// the ends; any other style: two wedges (filled triangles) when halfWidth >= 1.5, else
/// DrawLine. A zero-length link drawn as wedges or crossing lines has no direction and draws
/// nothing, as does a non-finite halfWidth there.
void DrawThickLine(Surface& s, int x1, int y1, int x2, int y2, float halfWidth,
                   std::uint16_t colour, int style);

/// One segment of a ground profile: the area under the edge (x1, y1)-(x2, y2) within its columns,
/// the rectangle from the lower end down (height lower end row - base), and the edge line in
/// edgeColour (twice on a 480-wide surface).
void FillSlopeBand(Surface& s, int x1, int y1, int x2, int y2, int base, std::uint16_t fill,
                   std::uint16_t edgeColour);

/// FillSlopeBand with per-row colours: row y takes table[firstIndex + (y1 - y)], both under the
/// edge and in the rectangle below it. Rows whose index falls outside the table stay untouched.
void FillSlopeBandRows(Surface& s, int x1, int y1, int x2, int y2, int base, int firstIndex,
                       std::span<const std::uint16_t> table, std::uint16_t edgeColour);

/// Dithered vertical gradient from colour A (at the offset) to colour B over span rows (times
/// scale), drawn from the band's bottom row y + h - 1 upward in the columns x .. x + w - 1; rows
/// above the gradient's end are filled with B. No row takes a field value beyond A's or B's. A span
/// <= 0 or a scale that is not a positive finite number draws nothing.
void FillGradient(Surface& s, int x, int y, int w, int h, std::uint16_t colourA,
                  std::uint16_t colourB, int span, int offset, float scale);

}  // namespace gfx
