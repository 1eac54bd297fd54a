// The drawing primitives a game frame leans on, at the sizes a frame uses them: the sky
// gradient over the whole screen, 200 blobs of radius 8, 300 links drawn as wedges, and the
// presentation of the back buffer (block copy, rotated copy and the hi-res raw copy).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "app/screen.h"
#include "gfx/primitives.h"
#include "gfx/surface.h"
#include "platform/frame_buffer.h"
#include "util/random.h"

namespace {

// Points spread over the surface with a margin, the same on every run.
std::vector<gfx::Point> scatter(int count, int width, int height, int margin) {
  util::Random random(7);
  std::vector<gfx::Point> points;
  for (int i = 0; i < count; ++i)
    points.push_back({margin + random.next() * (width - 2 * margin) / 32767,
                      margin + random.next() * (height - 2 * margin) / 32767});
  return points;
}

// The scene's sky: colours A and B, span W * 848 / 480, the camera some way above the ground.
void BM_FillGradient(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  gfx::SurfaceBuffer buffer(w, h);
  for (auto _ : state) {
    gfx::FillGradient(buffer.surface(), 0, 0, w, h, 0xF7DA, 0x5CFF, w * 848 / 480, -40, 1.0f);
    benchmark::DoNotOptimize(buffer.pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}
BENCHMARK(BM_FillGradient)->Args({240, 320})->Args({480, 640});

void BM_FillEllipseBlobs(benchmark::State& state) {
  gfx::SurfaceBuffer buffer(240, 320);
  // Most blobs lie inside; the margin of 4 puts some across the edges (the tested path).
  const std::vector<gfx::Point> centres = scatter(200, 240, 320, 4);
  for (auto _ : state) {
    for (const gfx::Point& c : centres)
      gfx::FillEllipse(buffer.surface(), c.x, c.y, 8, 8, 0x07E0);
    benchmark::DoNotOptimize(buffer.pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(centres.size()));
}
BENCHMARK(BM_FillEllipseBlobs);

void BM_DrawThickLineLinks(benchmark::State& state) {
  gfx::SurfaceBuffer buffer(240, 320);
  // Links of about one blob spacing (24 px) in every direction, half width 3 (two wedges).
  const std::vector<gfx::Point> starts = scatter(300, 240, 320, 30);
  util::Random random(11);
  std::vector<gfx::Point> ends;
  for (const gfx::Point& p : starts)
    ends.push_back({p.x + random.next() * 48 / 32767 - 24, p.y + random.next() * 48 / 32767 - 24});
  for (auto _ : state) {
    for (std::size_t i = 0; i < starts.size(); ++i)
      gfx::DrawThickLine(buffer.surface(), starts[i].x, starts[i].y, ends[i].x, ends[i].y, 3.0f,
                         0x8410, 0);
    benchmark::DoNotOptimize(buffer.pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(starts.size()));
}
BENCHMARK(BM_DrawThickLineLinks);

// A display in memory with the pitches and raw frame buffer of the case under test.
class MemoryDisplay final : public platform::FrameBuffer {
 public:
  MemoryDisplay(int width, int height, int originWord, int xPitchBytes, int yPitchBytes, bool raw)
      : memory_(static_cast<std::size_t>(width) * height),
        origin_(originWord),
        raw_(raw),
        props_{width, height, xPitchBytes, yPitchBytes} {}
  platform::DisplayProperties displayProperties() const override { return props_; }
  std::optional<platform::RawFrameBuffer> rawFrameBuffer() override {
    if (!raw_) return std::nullopt;
    return platform::RawFrameBuffer{memory_.data(), 2, props_.widthPx * 2, props_.widthPx,
                                    props_.heightPx};
  }
  std::uint16_t* beginDraw() override { return memory_.data() + origin_; }
  void endDraw() override {}
  const std::uint16_t* data() const { return memory_.data(); }

 private:
  std::vector<std::uint16_t> memory_;
  int origin_;
  bool raw_;
  platform::DisplayProperties props_;
};

void presentFrames(benchmark::State& state, MemoryDisplay& display, int width, int height) {
  app::Screen screen;
  if (!screen.Init(width, height, width == 480, 0, display)) {
    state.SkipWithError("screen init refused");
    return;
  }
  for (auto _ : state) {
    screen.Present();
    benchmark::DoNotOptimize(display.data());
  }
  state.SetBytesProcessed(state.iterations() * width * height * 2);
}

void BM_PresentBlock(benchmark::State& state) {
  MemoryDisplay display(240, 320, 0, 2, 480, false);
  presentFrames(state, display, 240, 320);
}
BENCHMARK(BM_PresentBlock);

void BM_PresentRotated(benchmark::State& state) {
  // Landscape display: x pitch 320, y pitch -1.
  MemoryDisplay display(240, 320, 319, 640, -2, false);
  presentFrames(state, display, 240, 320);
}
BENCHMARK(BM_PresentRotated);

void BM_PresentHiResRaw(benchmark::State& state) {
  MemoryDisplay display(480, 640, 0, 2, 960, true);
  presentFrames(state, display, 480, 640);
}
BENCHMARK(BM_PresentHiResRaw);

}  // namespace
