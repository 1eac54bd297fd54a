// Reading resources and drawing them: an archive Get of a cached entry and the first Get of a
// 100 KB entry, a full-screen .espr and .cmb picture drawn, and a 40-letter text drawn in a
// .cfn and a .font font. Everything is built in memory by the tools' encoders.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "gfx/fonts/color_font.h"
#include "gfx/fonts/mask_font.h"
#include "gfx/images/row_picture.h"
#include "gfx/images/stream_picture.h"
#include "gfx/surface.h"
#include "lib/archive_writer.h"
#include "lib/font_render.h"
#include "lib/picture_encoders.h"
#include "resources/resource_archive.h"
#include "util/random.h"
#include "util/readable_file.h"

namespace {

constexpr int kScreenW = 240, kScreenH = 320;
const std::string kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* kText = "The quick brown fox jumps over the goo!!";  // 40 glyphs

// Bytes that compress about as well as the game's pictures: runs of equal values with noise.
std::vector<std::byte> pictureLikeBytes(std::size_t size) {
  util::Random random(7);
  std::vector<std::byte> out(size);
  std::byte value{0};
  for (std::size_t i = 0; i < size; ++i) {
    if (random.next() % 16 == 0) value = static_cast<std::byte>(random.next() & 0xFF);
    out[i] = value;
  }
  return out;
}

std::unique_ptr<resources::ResourceArchive> makeArchive() {
  std::vector<tools::ArchiveEntry> entries;
  for (int i = 0; i < 60; ++i)
    entries.push_back({"entry" + std::to_string(i) + ".scr", pictureLikeBytes(2000)});
  entries.push_back({"big.espr", pictureLikeBytes(100 * 1024)});
  auto archive = std::make_unique<resources::ResourceArchive>();
  archive->Open(std::make_unique<util::MemoryFile>(tools::buildArchive(entries).value()));
  return archive;
}

void BM_ArchiveGetCached(benchmark::State& state) {
  auto archive = makeArchive();
  archive->Get("entry59.scr");
  for (auto _ : state)
    benchmark::DoNotOptimize(archive->Get("Entry59.SCR"));
}
BENCHMARK(BM_ArchiveGetCached);

void BM_ArchiveFirstGet100KB(benchmark::State& state) {
  auto archive = makeArchive();
  for (auto _ : state) {
    benchmark::DoNotOptimize(archive->Get("big.espr"));
    state.PauseTiming();
    archive->Free("big.espr");
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * 100 * 1024);
}
BENCHMARK(BM_ArchiveFirstGet100KB)->Unit(benchmark::kMicrosecond);

// A full-screen picture of soft gradients, a translucent band and clear holes.
tools::ArgbImage screenPicture(bool paletteSized) {
  tools::ArgbImage image(kScreenW, kScreenH);
  for (int y = 0; y < kScreenH; ++y)
    for (int x = 0; x < kScreenW; ++x) {
      const std::uint32_t r = paletteSized ? (x / 16) * 16 : x,
                          g = paletteSized ? (y / 20) * 16 : y * 3 / 4;
      const std::uint32_t a = (y / 40) % 4 == 1 ? 0x80 : ((x / 30 + y / 30) % 5 == 0 ? 0 : 0xFF);
      image.at(x, y) = (a << 24) | ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | 0x40;
    }
  return image;
}

template <typename PictureT>
void drawFullScreen(benchmark::State& state, const char* name,
                    const util::Result<std::vector<std::byte>>& bytes) {
  if (!bytes) {
    state.SkipWithError(bytes.error().message.c_str());
    return;
  }
  PictureT picture;
  if (!picture.LoadBytes(name, *bytes)) {
    state.SkipWithError("the picture did not load");
    return;
  }
  gfx::SurfaceBuffer screen(kScreenW, kScreenH, 0x1234);
  for (auto _ : state) {
    picture.Draw(screen.surface(), 0, 0, nullptr, 0);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kScreenW * kScreenH);
}

void BM_DrawFullScreenEspr(benchmark::State& state) {
  drawFullScreen<gfx::StreamPicture>(state, "screen.espr", tools::encodeEspr(screenPicture(false)));
}
BENCHMARK(BM_DrawFullScreenEspr)->Unit(benchmark::kMicrosecond);

void BM_DrawFullScreenCmb(benchmark::State& state) {
  drawFullScreen<gfx::RowPicture>(state, "screen.cmb", tools::encodeCmb(screenPicture(true), 8));
}
BENCHMARK(BM_DrawFullScreenCmb)->Unit(benchmark::kMicrosecond);

template <typename FontT>
void drawText(benchmark::State& state, const util::Result<std::vector<std::byte>>& bytes) {
  if (!bytes) {
    state.SkipWithError(bytes.error().message.c_str());
    return;
  }
  FontT font;
  if (!font.Attach(*bytes)) {
    state.SkipWithError("the font did not attach");
    return;
  }
  gfx::SurfaceBuffer screen(kScreenW * 2, 40);
  for (auto _ : state) {
    font.DrawText(screen.surface(), 2, 4, kText, 0xFFE0, nullptr);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 40);
}

void BM_DrawText40GlyphsColourFont(benchmark::State& state) {
  tools::FontRenderOptions options;
  options.pixels = 14;
  options.style.fill2 = 0xFFFF8000;
  options.style.outlineWidth = 1;
  options.style.shadowOffset = 1;
  drawText<gfx::ColorFont>(state, tools::renderColorFont(kFont, options));
}
BENCHMARK(BM_DrawText40GlyphsColourFont)->Unit(benchmark::kMicrosecond);

void BM_DrawText40GlyphsMaskFont(benchmark::State& state) {
  tools::FontRenderOptions options;
  options.pixels = 12;
  drawText<gfx::MaskFont>(state, tools::renderMaskFont(kFont, options));
}
BENCHMARK(BM_DrawText40GlyphsMaskFont)->Unit(benchmark::kMicrosecond);

}  // namespace
