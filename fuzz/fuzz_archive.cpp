// graphics.dat: the directory, every entry read, copied and freed, in any letter case.
#include <memory>

#include "fuzz_target.h"
#include "lib/archive_writer.h"
#include "resources/resource_archive.h"
#include "util/readable_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto* begin = reinterpret_cast<const std::byte*>(data);
  resources::ResourceArchive archive;
  if (archive.Open(
          std::make_unique<util::MemoryFile>(std::vector<std::byte>(begin, begin + size))) != 0)
    return 0;
  for (const auto& entry : archive.listEntries()) {
    const std::uint32_t length = archive.Size(entry.name);
    const std::span<const std::byte> bytes = archive.GetSpan(entry.name);
    if (!bytes.empty()) {
      QV_FUZZ_CHECK(bytes.size() == length);
      QV_FUZZ_CHECK(bytes.data()[bytes.size()] == std::byte{0});  // the zero byte after the data
    }
    std::vector<std::byte> copy;
    std::uint32_t copied = 0;
    if (archive.Copy(entry.name, copy, &copied)) QV_FUZZ_CHECK(copied == length);
    archive.Free(entry.name);
  }
  archive.GetSpan("missing");
  return 0;
}

std::vector<std::string> QvFuzzSeeds() {
  std::vector<std::string> seeds;
  const auto text = [](const char* s) {
    std::vector<std::byte> out;
    for (; *s; ++s)
      out.push_back(static_cast<std::byte>(*s));
    return out;
  };
  for (const auto& entries : std::vector<std::vector<tools::ArchiveEntry>>{
           {},
           {{"init.scr", text("function Init(h) { }")}},
           {{"a.txt", text("first")}, {"A.TXT", text("second")}, {"empty", {}}}}) {
    if (auto built = tools::buildArchive(entries)) seeds.push_back(qvfuzz::bytesToString(*built));
  }
  return seeds;
}
