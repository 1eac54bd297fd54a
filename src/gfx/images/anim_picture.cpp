#include "gfx/images/anim_picture.h"

#include <string_view>

#include "gfx/images/palette_picture.h"
#include "gfx/images/row_picture.h"
#include "gfx/images/stream_picture.h"
#include "util/c_text.h"

namespace gfx {
namespace {

// More frames than any animation needs; a larger count is a corrupt header.
constexpr int kMaxFrames = 4096;

std::string_view trimLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
    line.remove_prefix(1);
  return line;
}

// sscanf "%d,%d": both numbers must be there.
bool parseHeader(std::string_view line, int& count, int& frameMs) {
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return false;
  const std::string_view first = trimLine(line.substr(0, comma));
  const std::string_view second = line.substr(comma + 1);
  if (util::numberPrefixLength(first) == 0 || util::numberPrefixLength(second) == 0) return false;
  count = util::parseInt(first);
  frameMs = util::parseInt(second);
  return true;
}

}  // namespace

void AnimPicture::Release() {
  for (auto& frame : frames_)
    frame->Release();
  frames_.clear();
  frameMs_ = 0;
  setSize(0, 0);
}

bool AnimPicture::LoadBytes(std::string_view /*name*/, std::span<const std::byte> /*bytes*/) {
  return false;
}

bool AnimPicture::Load(std::string_view name, EntrySource& source) {
  return loadFrames(name, source, std::nullopt);
}

bool AnimPicture::LoadResampled(std::string_view name, EntrySource& source, int targetWidth,
                                int targetHeight) {
  return loadFrames(name, source, std::make_pair(targetWidth, targetHeight));
}

bool AnimPicture::loadFrames(std::string_view name, EntrySource& source,
                             std::optional<std::pair<int, int>> target) {
  Release();
  const std::span<const std::byte> bytes = source.find(name);
  if (bytes.empty()) return false;
  // The names are copied out before any frame is looked up, which may invalidate bytes.
  std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (const std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);

  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    lines.emplace_back(trimLine(std::string_view(text).substr(at, end - at)));
    at = end + 1;
  }
  int count = 0, frameMs = 0;
  if (lines.empty() || !parseHeader(lines[0], count, frameMs)) return false;
  if (count <= 0 || count > kMaxFrames) return false;
  std::vector<std::string> names;
  for (std::size_t i = 1; i < lines.size() && names.size() < static_cast<std::size_t>(count); ++i) {
    if (!lines[i].empty()) names.push_back(lines[i]);
  }
  if (names.size() != static_cast<std::size_t>(count)) return false;  // frames are missing

  std::vector<std::unique_ptr<Picture>> frames;
  for (const std::string& frameName : names) {
    std::unique_ptr<Picture> frame;
    bool ok = false;
    if (target && nameHas(frameName, ".sft")) {
      auto stream = std::make_unique<StreamPicture>();
      ok = stream->LoadResampled(frameName, source, target->first, target->second);
      frame = std::move(stream);
    } else {
      if (target && nameHas(frameName, ".cmb")) {
        frame = std::make_unique<RowPicture>();
      } else if (nameHas(frameName, ".espr")) {
        frame = std::make_unique<StreamPicture>();
      } else {
        frame = std::make_unique<PalettePicture>();
      }
      ok = frame->Load(frameName, source);
    }
    if (!ok) {
      for (auto& made : frames)
        made->Release();
      return false;
    }
    frames.push_back(std::move(frame));
  }
  frames_ = std::move(frames);
  frameMs_ = static_cast<std::uint32_t>(frameMs);
  speed_ = 1;
  setSize(frames_[0]->width(), frames_[0]->height());
  setName(name);
  return true;
}

void AnimPicture::Draw(Surface& surface, int x, int y, const Box* clip,
                       std::uint32_t timeMs) const {
  if (frames_.empty()) return;
  const std::uint32_t step = frameMs_ == 0 ? 0 : timeMs / frameMs_;
  const std::size_t index = static_cast<std::size_t>((step * speed_) % frames_.size());
  frames_[index]->Draw(surface, x, y, clip, 0);
}

}  // namespace gfx
