// The run stream: the pixel format of .espr pictures, of converted .sft pictures and of .cfn
// glyphs. Rows follow each other from the top; a row is a list of commands, each one 16-bit
// word with the opcode in the low byte and the count n (1..255) in the high byte, and a word
// with count 0 ends the row:
//   op 0: skip n pixels         op 1: n RGB565 words, copied
//   op 2: n (colour, alpha) word pairs, each blended with its own alpha 0..31
//   op 3: one (colour, alpha) pair blended over n pixels
//   op 4: one colour word filling n pixels
// Rows above the clip are walked without drawing; pixels left of it are consumed; once a row
// passes the clip's right edge the rest of it is only walked to find the next row.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "gfx/box.h"
#include "gfx/surface.h"

namespace gfx {

enum class RunOp : std::uint8_t { Skip = 0, Copy = 1, BlendEach = 2, BlendFill = 3, Fill = 4 };

/// Checks that rowCount rows starting at byte pos lie wholly inside bytes and use only known
/// opcodes. On success *endOut (optional) receives the position after the last row.
bool validateRunStream(std::span<const std::byte> bytes, std::size_t pos, int rowCount,
                       std::size_t* endOut = nullptr);

/// Rewrites rowCount validated rows starting at byte pos into out as a stream that draws the
/// same pixels with less work: inside blend-each commands, pixels of alpha 0 become skips and
/// pixels of alpha 31 or more become copies (blending at those alphas keeps or replaces the
/// pixel). Other commands are kept as they are. False, with out empty, when nothing would change
/// or the rows are not a valid stream.
bool compactRunStream(std::span<const std::byte> bytes, std::size_t pos, int rowCount,
                      std::vector<std::byte>& out);

/// Draws rowCount rows starting at byte pos as a width x rowCount image at (x, y). Reads stop at
/// the end of bytes or at an unknown opcode, so even an unvalidated stream stays in bounds.
void drawRunStream(Surface& surface, int x, int y, int width, int rowCount,
                   std::span<const std::byte> bytes, std::size_t pos, const Box* clip);

}  // namespace gfx
