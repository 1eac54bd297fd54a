#include "assetgen/sound/songs.h"

#include <utility>

#include "assetgen/sound/song_scores.h"

namespace assetgen {

util::Result<std::map<std::string, XmModule>> ComposeSongs() {
  const std::pair<const char*, Score> scores[] = {
      {"4.xm", MenuSong()},
      {"1.xm", ClassicSong()},
      {"2.xm", RelaySong()},
      {"3.xm", UnlimitedSong()},
  };
  std::map<std::string, XmModule> songs;
  for (const auto& [name, score] : scores) {
    auto module = ArrangeScore(score);
    if (!module) return module.error();
    songs[name] = std::move(*module);
  }
  return songs;
}

}  // namespace assetgen
