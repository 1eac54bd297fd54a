#include "gfx/images/stream_picture.h"

#include <gtest/gtest.h>

#include "fixtures/gfx/image_bytes.h"
#include "gfx/color.h"
#include "gfx/images/run_stream.h"
#include "gfx/surface.h"

namespace gfx {
namespace {

using testing::Bytes;
using testing::cmd;

// A copy cut short in its pixels, and a fill whose command word has one byte in the stream
// (the bytes after it, outside the stream, would make a whole fill).
TEST(RunStream, DrawStopsAtEndOfUnvalidatedBytes) {
  const std::vector<std::byte> copy = Bytes().u16({cmd(1, 4), 1, 2}).data;
  const std::vector<std::byte> fill = Bytes().u16({cmd(4, 4), 0xF800}).data;
  for (std::span<const std::byte> cut : {std::span(copy), std::span(fill).first(1)}) {
    SurfaceBuffer buffer(4, 1, 0);
    drawRunStream(buffer.surface(), 0, 0, 4, 1, cut, 0, nullptr);
    EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>(4, 0))) << cut.size();
  }
}

// Blend-each rows as converted .sft pictures have them: long transparent and opaque runs
// (alpha 0, 31 and above) that compacting turns into skips and copies, short ones it leaves,
// and partial alphas; a fill command follows each blend command.
std::vector<std::byte> mixedAlphaRows(int rows, int width) {
  Bytes b;
  std::uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  const int alphas[] = {0, 31, 40, 16, 1, 30};
  for (int r = 0; r < rows; ++r) {
    b.u16({cmd(2, width)});
    for (int x = 0; x < width;) {
      const int alpha = alphas[next() % 6];
      const int run = 1 + static_cast<int>(next() % 14);
      for (int k = 0; k < run && x < width; ++k, ++x)
        b.u16({static_cast<int>(next() & 0xFFFF), alpha});
    }
    b.u16({cmd(4, 3), 0x07E0, 0});
  }
  return b.data;
}

TEST(RunStream, CompactedRowsDrawTheSamePixelsWhereverClipped) {
  constexpr int kRows = 6, kWidth = 60;
  const std::vector<std::byte> original = mixedAlphaRows(kRows, kWidth);
  ASSERT_TRUE(validateRunStream(original, 0, kRows));
  std::vector<std::byte> compact;
  ASSERT_TRUE(compactRunStream(original, 0, kRows, compact));
  EXPECT_TRUE(validateRunStream(compact, 0, kRows));
  EXPECT_LT(compact.size(), original.size());

  // Every placement across the surface's left and right edges, with and without a clip that
  // cuts rows and columns inside the picture.
  const Box clip{13, 2, 29, 3};
  for (const Box* c : {static_cast<const Box*>(nullptr), &clip})
    for (int x = -kWidth - 2; x <= 42; x += 3) {
      SurfaceBuffer want(40, kRows, 0), got(40, kRows, 0);
      for (std::size_t i = 0; i < want.pixels().size(); ++i)
        want.pixels()[i] = got.pixels()[i] = static_cast<std::uint16_t>(i * 2654435761u >> 16);
      drawRunStream(want.surface(), x, 0, kWidth + 3, kRows, original, 0, c);
      drawRunStream(got.surface(), x, 0, kWidth + 3, kRows, compact, 0, c);
      ASSERT_EQ(got.pixels(), want.pixels()) << "x " << x << (c ? ", clipped" : "");
    }
}

TEST(StreamPicture, SftBecomesOneBlendCommandPerRow) {
  StreamPicture picture;
  ASSERT_TRUE(picture.LoadBytes(
      "p.sft", Bytes().u16({2, 2}).u32({0xFFFF0000, 0x80FFFFFF, 0x00000000, 0xFF00FF00}).data));
  const std::vector<std::byte> expected = Bytes()
                                              .u16({2, 2})
                                              .u16({cmd(2, 2), 0xF800, 31, 0xFFFF, 16, 0})
                                              .u16({cmd(2, 2), 0x0000, 0, 0x07E0, 31, 0})
                                              .data;
  EXPECT_EQ(std::vector<std::byte>(picture.stream().begin(), picture.stream().end()), expected);
}

TEST(StreamPicture, SftResamplingAveragesBoxesAndReversesRows) {
  // 4x2 source to 2x1: boxes of 2x2. Left box: two opaque reds and two transparent pixels,
  // so alpha and red average to half. Right box: four opaque greens.
  StreamPicture picture;
  const std::vector<std::byte> sft = Bytes()
                                         .u16({4, 2})
                                         .u32({0xFFFF0000, 0x00FFFFFF, 0xFF00FF00, 0xFF00FF00})
                                         .u32({0xFFFF0000, 0x00000000, 0xFF00FF00, 0xFF00FF00})
                                         .data;
  ASSERT_TRUE(picture.loadSft(sft, std::make_pair(2, 1)));
  const std::uint16_t halfRed = Rgb565From24(0x7F0000);
  const std::vector<std::byte> expected =
      Bytes().u16({2, 1}).u16({cmd(2, 2), halfRed, 0x7F >> 3, 0x07E0, 31, 0}).data;
  EXPECT_EQ(std::vector<std::byte>(picture.stream().begin(), picture.stream().end()), expected);

  // 1x2 to 1x2: same size, rows come out bottom first.
  ASSERT_TRUE(picture.loadSft(Bytes().u16({1, 2}).u32({0xFF0000FF, 0xFFFF0000}).data,
                              std::make_pair(1, 2)));
  SurfaceBuffer buffer(1, 2, 0);
  picture.Draw(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>{0xF800, 0x001F}));
}

TEST(StreamPicture, SftResamplingLimits) {
  StreamPicture picture;
  EXPECT_FALSE(picture.loadSft(Bytes().u16({1, 1}).u32({0xFFFFFFFF}).data, std::make_pair(3, 1)))
      << "more than twice the source: empty box";
  EXPECT_TRUE(picture.loadSft(Bytes().u16({1, 1}).u32({0xFFFFFFFF}).data, std::make_pair(2, 2)));
  EXPECT_EQ(picture.width(), 2);
}

}  // namespace
}  // namespace gfx
