#include <fstream>

#include "assetgen/sound/effects.h"
#include "assetgen/sound/songs.h"
#include "assetgen/sound/sounds.h"
#include "assetgen/sound/wav_writer.h"

namespace assetgen {
namespace {

bool writeFile(const std::filesystem::path& path, const std::vector<std::byte>& bytes,
               std::ostream& errors) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (file) return true;
  errors << "assetgen: cannot write " << path.string() << "\n";
  return false;
}

}  // namespace

bool WriteSounds(const std::filesystem::path& outDir, std::ostream& errors) {
  bool ok = true;
  for (const auto& [name, samples] : SynthesiseEffects())
    ok = writeFile(outDir / name, EncodeWav(samples, kEffectRate), errors) && ok;
  const auto songs = ComposeSongs();
  if (!songs) {
    errors << "assetgen: " << songs.error().message << "\n";
    return false;
  }
  for (const auto& [name, song] : *songs)
    ok = writeFile(outDir / name, EncodeXm(song), errors) && ok;
  return ok;
}

}  // namespace assetgen
