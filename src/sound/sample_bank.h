// SampleBank: the sound effects of one game world, each a .wav entry read from an archive and
// handed to the SoundLibrary as a sample. Samples are kept in loading order with an identifier
// counting up from 0, and are found again by their entry name. The bank frees its samples
// when it is destroyed; it must go before the library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sound/sound_library.h"

namespace resources {
class ResourceArchive;
}

namespace sound {

/// One loaded effect. The bytes are the .wav file as the archive holds it.
struct Sample {
  std::vector<std::byte> data;
  SampleHandle handle = 0;  // the library's sample; 0 when the library refused the bytes
  int id = 0;               // the bank's counter when the sample was loaded
  std::string name;         // the entry name it was loaded under
};

class SampleBank {
 public:
  /// library and appArchive (used when LoadSample gets no archive) are borrowed and must
  /// outlive the bank.
  SampleBank(SoundLibrary& library, resources::ResourceArchive& appArchive);
  ~SampleBank();
  SampleBank(const SampleBank&) = delete;
  SampleBank& operator=(const SampleBank&) = delete;

  /// Reads the named entry from archive (null: the application's archive) and makes a sample
  /// of it. The stored sample, owned by the bank and valid while it lives; null, with nothing
  /// added, when the entry can't be read.
  const Sample* LoadSample(std::string_view name, resources::ResourceArchive* archive = nullptr);

  /// The first sample loaded under name (letter case ignored, as archive names), or null.
  const Sample* Find(std::string_view name) const;

  std::size_t size() const { return samples_.size(); }

 private:
  SoundLibrary& library_;
  resources::ResourceArchive& appArchive_;
  std::vector<std::unique_ptr<Sample>> samples_;  // pointers stay valid as the list grows
  int nextId_ = 0;
};

}  // namespace sound
