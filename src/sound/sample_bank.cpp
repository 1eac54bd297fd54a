#include "sound/sample_bank.h"

#include "resources/archive_format.h"
#include "resources/resource_archive.h"

namespace sound {

SampleBank::SampleBank(SoundLibrary& library, resources::ResourceArchive& appArchive)
    : library_(library), appArchive_(appArchive) {}

SampleBank::~SampleBank() {
  for (const std::unique_ptr<Sample>& sample : samples_) {
    if (sample->handle != 0) library_.FreeSample(sample->handle);
  }
}

const Sample* SampleBank::LoadSample(std::string_view name, resources::ResourceArchive* archive) {
  resources::ResourceArchive& source = archive != nullptr ? *archive : appArchive_;
  // A copy of its own rather than the archive's cached buffer: releasing a cached entry here
  // would pull it from under anyone else holding it.
  std::vector<std::byte> bytes;
  std::uint32_t size = 0;
  if (!source.Copy(name, bytes, &size) || size > bytes.size()) return nullptr;
  bytes.resize(size);
  auto sample = std::make_unique<Sample>();
  sample->data = std::move(bytes);
  sample->handle = library_.LoadSample(sample->data);
  sample->id = nextId_++;
  sample->name = std::string(name);
  samples_.push_back(std::move(sample));
  return samples_.back().get();
}

const Sample* SampleBank::Find(std::string_view name) const {
  const std::string wanted = resources::upperCaseName(name);
  for (const std::unique_ptr<Sample>& sample : samples_) {
    if (resources::upperCaseName(sample->name) == wanted) return sample.get();
  }
  return nullptr;
}

}  // namespace sound
