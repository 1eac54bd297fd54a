// options.dat and scores.dat: the key-value text must read back what it writes, the score
// table must encode to bytes that decode to the same table, and options stay in their ranges.
#include "fuzz_target.h"
#include "settings/key_value_file.h"
#include "settings/options.h"
#include "settings/score_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  settings::KeyValueFile file;
  file.Parse(text);
  const settings::Options options = settings::ReadOptions(file);
  QV_FUZZ_CHECK(options.musicVolume <= 100 && options.colorSpectrum <= 5);
  settings::KeyValueFile again;
  if (again.Parse(file.Text())) {
    // Tidied keys and values come back as they are written, except where a value itself holds
    // an "=" sign or a line end, which the format cannot carry.
    bool plain = true;
    for (const auto& [key, value] : file.entries())
      plain = plain && key.find_first_of("=\n\r") == std::string::npos &&
              value.find_first_of("\n\r") == std::string::npos && key.size() < 400 &&
              value.size() < 400;
    if (plain) QV_FUZZ_CHECK(again.entries() == file.entries());
  }

  const auto bytes = std::as_bytes(std::span(data, size));
  const settings::ScoreTable table = settings::ScoreTable::Decode(bytes);
  QV_FUZZ_CHECK(table.records().size() <= size / settings::kScoreRecordBytes);
  const settings::ScoreTable back = settings::ScoreTable::Decode(table.Encode());
  QV_FUZZ_CHECK(back.records() == table.records());
  return 0;
}

std::vector<std::string> QvFuzzSeeds() {
  settings::ScoreTable table;
  table.Insert(1, "Ann", 500, "25.00m");
  table.Insert(2, "Bo", 900, "L3 12.50m");
  return {"MusicOn = 1\nMusicVolume=60\n  Music  Volume  = 6 0 \nX = y\n",
          qvfuzz::bytesToString(table.Encode())};
}
