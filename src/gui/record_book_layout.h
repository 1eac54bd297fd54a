// RecordBookLayout: where the record book's rows are written, as the records screen's script
// sets it (SetRecordBookParams) and asks for it back row by row (GetRBLSPCoords).
#pragma once

namespace gui {

struct RecordBookLayout {
  int top = 0;          // y of row 0
  int pitch = 0;        // five times the distance between rows
  int rightMargin = 0;  // right edge of the number column
  int left = 0;         // x of the name column

  /// The x coordinate of every row (axis 0) or the y of row (any other axis):
  /// top + pitch * row / 5, the division truncating towards zero.
  int Coordinate(bool xAxis, int row) const { return xAxis ? left : top + (pitch * row) / 5; }
};

}  // namespace gui
