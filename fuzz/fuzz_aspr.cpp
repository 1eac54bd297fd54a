// .aspr frame lists read through the archive, as the game loads animations: the input is the
// list's text, packed into an archive as "anim.aspr" beside a small picture for every name it
// lists (after the first line) that carries a picture's extension (.espr, .sft, .cmb, .spr,
// .tga); other names are missing entries. The animation loads plainly and resampled to a size
// taken from the input's length, and draws at every step of its frames and past the last.
#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "fuzz_target.h"
#include "gfx/images/anim_picture.h"
#include "gfx/surface.h"
#include "gui/archive_source.h"
#include "lib/archive_writer.h"
#include "lib/argb_image.h"
#include "lib/picture_encoders.h"
#include "resources/archive_format.h"
#include "resources/resource_archive.h"
#include "util/readable_file.h"

namespace {

constexpr std::string_view kListName = "anim.aspr";
constexpr std::size_t kMaxFrameEntries = 64;

struct FramePictures {
  std::vector<std::byte> espr, sft, cmb, spr, tga;
};

// One 6 x 5 picture with clear, half-clear and solid columns in every format a frame may have.
const FramePictures& framePictures() {
  static const FramePictures pictures = [] {
    tools::ArgbImage image(6, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x)
        image.at(x, y) = (x == 2 ? 0x00000000u : x == 3 ? 0x80FF0000u : 0xFF00FF00u) + y * 8;
    FramePictures out;
    if (auto bytes = tools::encodeEspr(image)) out.espr = *bytes;
    if (auto bytes = tools::encodeSft(image)) out.sft = *bytes;
    if (auto bytes = tools::encodeCmb(image, 16)) out.cmb = *bytes;
    if (auto bytes = tools::encodeSpr(image, 8, true)) out.spr = *bytes;
    if (auto bytes = tools::encodeTga(image, 32)) out.tga = *bytes;
    return out;
  }();
  return pictures;
}

// The picture a listed name gets, chosen by its extension; null for a missing entry.
const std::vector<std::byte>* pictureFor(std::string_view name) {
  const FramePictures& p = framePictures();
  if (gfx::nameHas(name, ".espr")) return &p.espr;
  if (gfx::nameHas(name, ".sft")) return &p.sft;
  if (gfx::nameHas(name, ".cmb")) return &p.cmb;
  if (gfx::nameHas(name, ".spr")) return &p.spr;
  if (gfx::nameHas(name, ".tga")) return &p.tga;
  return nullptr;
}

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// The list and a frame entry for each distinct name the list gives that an archive can hold.
std::vector<tools::ArchiveEntry> archiveEntries(std::string_view text) {
  std::vector<tools::ArchiveEntry> entries;
  const auto* begin = reinterpret_cast<const std::byte*>(text.data());
  entries.push_back({std::string(kListName), std::vector<std::byte>(begin, begin + text.size())});
  std::set<std::string> taken = {std::string(kListName)};
  std::size_t at = text.find('\n');
  while (at != std::string_view::npos && entries.size() <= kMaxFrameEntries) {
    const std::size_t end = text.find('\n', at + 1);
    std::string_view line = text.substr(at + 1, end == std::string_view::npos ? end : end - at - 1);
    at = end;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
      line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
      line.remove_prefix(1);
    const bool storable = !line.empty() && line.size() <= resources::kMaxEntryNameLength &&
                          std::all_of(line.begin(), line.end(), [](char c) {
                            return c > 0 && static_cast<unsigned char>(c) < 0x80;
                          });
    const std::vector<std::byte>* picture = storable ? pictureFor(line) : nullptr;
    if (picture == nullptr || picture->empty() || !taken.insert(lower(line)).second) continue;
    entries.push_back({std::string(line), *picture});
  }
  return entries;
}

void drawEveryFrame(const gfx::AnimPicture& anim, gfx::Surface& surface) {
  QV_FUZZ_CHECK(anim.frameCount() > 0);
  QV_FUZZ_CHECK(anim.width() == anim.frame(0)->width() && anim.height() == anim.frame(0)->height());
  const gfx::Box clip{3, 3, 10, 10};
  const std::uint32_t step = std::max<std::uint32_t>(anim.frameMs(), 1);
  for (std::size_t i = 0; i <= anim.frameCount(); ++i) {
    const auto time = static_cast<std::uint32_t>(i * step);
    anim.Draw(surface, static_cast<int>(i % 5) - 2, 1, nullptr, time);
    anim.Draw(surface, 12, -2, &clip, time);
  }
  anim.Draw(surface, 0, 0, nullptr, 0xFFFFFFFFu);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto built = tools::buildArchive(archiveEntries(text));
  if (!built) return 0;
  resources::ResourceArchive archive;
  if (archive.Open(std::make_unique<util::MemoryFile>(std::move(*built))) != 0) return 0;
  gui::ArchiveSource source(archive);
  gfx::SurfaceBuffer buffer(24, 20);

  gfx::AnimPicture anim;
  if (anim.Load(kListName, source)) drawEveryFrame(anim, buffer.surface());
  const int side = 1 + static_cast<int>(size % 40);
  gfx::AnimPicture resampled;
  if (resampled.LoadResampled(kListName, source, side, side + 3))
    drawEveryFrame(resampled, buffer.surface());
  // A second load into the same picture replaces its frames.
  if (resampled.Load(kListName, source)) drawEveryFrame(resampled, buffer.surface());
  return 0;
}

// Lists like the game's: resampled .sft flag frames, .espr frames of an icon picked by its
// value, and a mix of every frame format, of missing frames and of untidy lines.
std::vector<std::string> QvFuzzSeeds() {
  std::vector<std::string> seeds;
  for (const auto& [ms, names] : std::vector<std::pair<int, std::vector<std::string>>>{
           {150, {"flag0_0.sft", "flag0_1.sft", "flag0_2.sft", "flag0_3.sft"}},
           {1, {"exp0.espr", "exp1.espr", "exp2.espr"}},
           {40, {"a.cmb", "b.spr", "c.tga", "d.espr", "e.sft", "f.espr"}},
           {0, {"missing", "a.espr"}}}) {
    const std::vector<std::byte> bytes = tools::encodeAspr(ms, names);
    seeds.push_back(qvfuzz::bytesToString(bytes));
  }
  seeds.push_back(" 2 , 75\r\n\n  one.espr \r\n\ttwo.SFT\r\nextra.cmb\n");
  return seeds;
}
