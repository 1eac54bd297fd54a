#include "settings/options.h"

#include <algorithm>
#include <string>

#include "util/c_text.h"

namespace settings {
namespace {

// Each option with its largest valid value, in key order.
struct Field {
  std::uint16_t Options::*member;
  int maximum;
};
constexpr std::array<Field, 10> kFields = {{
    {&Options::musicOn, 1},
    {&Options::soundOn, 1},
    {&Options::musicVolume, 100},
    {&Options::soundVolume, 100},
    {&Options::connectType, 2},
    {&Options::cloudsOn, 1},
    {&Options::backgroundType, 1},
    {&Options::colorSpectrum, 5},
    {&Options::multicolorOn, 1},
    {&Options::screenShotCount, 65535},
}};

}  // namespace

Options ReadOptions(const KeyValueFile& file) {
  Options options;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const int value = util::parseInt(file.Get(kOptionKeys[i]));
    options.*kFields[i].member =
        static_cast<std::uint16_t>(std::clamp(value, 0, kFields[i].maximum));
  }
  return options;
}

void WriteOptions(const Options& options, KeyValueFile& file) {
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    file.SetInt(kOptionKeys[i], options.*kFields[i].member);
  }
}

Options LoadOptionsFile(KeyValueFile& file, std::string path) {
  if (file.Load(std::move(path))) return ReadOptions(file);
  const Options zero;
  SaveOptionsFile(zero, file);
  return zero;
}

bool SaveOptionsFile(const Options& options, KeyValueFile& file) {
  WriteOptions(options, file);
  return file.Save();
}

}  // namespace settings
