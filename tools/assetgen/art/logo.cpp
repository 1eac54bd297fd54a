// The title "QUORVEX" built like a goo tower: each letter a 5 x 7 grid of dots, every dot a
// glossy ball in the letter's colour, neighbouring dots joined by links in its link colour, and
// a soft shadow under the whole word.
#include <array>
#include <utility>

#include "assetgen/art/art_output.h"
#include "assetgen/art/canvas.h"

namespace assetgen {
namespace {

// Rows of each letter, top first; bit 4 is the leftmost column.
constexpr std::array<std::array<unsigned char, 7>, 7> kLetters = {{
    {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D},  // Q
    {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E},  // U
    {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E},  // O
    {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11},  // R
    {0x11, 0x11, 0x11, 0x11, 0x0A, 0x0A, 0x04},  // V
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F},  // E
    {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11},  // X
}};

constexpr int kPitch = 5;   // pixels from dot to dot at scale 1
constexpr int kMargin = 3;  // room for the shadow and the balls' overhang

}  // namespace

void DrawLogo(ArtOutput& out) {
  const int s = out.scale(), pitch = kPitch * s, margin = kMargin * s;
  const int columns = static_cast<int>(kLetters.size()) * 6 - 1;
  tools::ArgbImage word(columns * pitch + 2 * margin, 7 * pitch + 2 * margin, 0);
  const int ballSide = pitch + s;  // neighbouring dots overlap a little and read as one stroke
  const auto dot = [&](std::size_t letter, int row, int col) {
    return row >= 0 && row < 7 && col >= 0 && col < 5 && (kLetters[letter][row] >> (4 - col) & 1);
  };
  const auto centre = [&](std::size_t letter, int row, int col) {
    return std::pair{margin + (static_cast<float>(letter) * 6 + col + 0.5f) * pitch,
                     margin + (row + 0.5f) * pitch};
  };
  for (std::size_t letter = 0; letter < kLetters.size(); ++letter) {
    // Links first: to the right and below, and diagonally where no straight link turns the
    // corner, as a builder would brace it.
    const std::uint32_t linkColour = 0xFF000000 | kLinkColours[letter % 5];
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col) {
        if (!dot(letter, row, col)) continue;
        // Plain copies, not a structured binding: clang before 16 cannot capture one in a lambda.
        const std::pair<float, float> from = centre(letter, row, col);
        const float ax = from.first, ay = from.second;
        const auto link = [&](int r, int c) {
          const auto [bx, by] = centre(letter, r, c);
          for (int i = 0; i <= 8; ++i) {
            const float t = i / 8.0f;
            fillDisc(word, ax + (bx - ax) * t, ay + (by - ay) * t, 1.1f * s,
                     [&](float, float) { return linkColour; });
          }
        };
        if (dot(letter, row, col + 1)) link(row, col + 1);
        if (dot(letter, row + 1, col)) link(row + 1, col);
        for (int dc : {-1, 1})
          if (dot(letter, row + 1, col + dc) && !dot(letter, row + 1, col) &&
              !dot(letter, row, col + dc))
            link(row + 1, col + dc);
      }
    const tools::ArgbImage ball = GooBall(ballSide, kGooColours[letter % 5]);
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col) {
        if (!dot(letter, row, col)) continue;
        const auto [cx, cy] = centre(letter, row, col);
        blit(word, ball, static_cast<int>(cx - ballSide / 2.0f + 0.5f),
             static_cast<int>(cy - ballSide / 2.0f + 0.5f));
      }
  }
  out.addPicture("logo.espr", withShadow(word, s, 2 * s, s, 0x90000000 | 0x14233C));
}

}  // namespace assetgen
