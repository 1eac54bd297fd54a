// The game's own content: opening graphics.dat and the first Get of every entry, and start-up
// on the headless platform up to the first frame drawn. Both read the graphics.dat the build
// made (build/bin), copied into a folder of their own so the saved options stay untouched.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/application.h"
#include "platform/file.h"
#include "platform/headless/headless_platform.h"
#include "resources/resource_archive.h"

namespace {

namespace fs = std::filesystem;

// A private install folder with the built graphics.dat, or empty when there is none.
std::string installFolder() {
  static const std::string folder = [] {
    const fs::path source = fs::path(QV_BIN_DIR) / "graphics.dat";
    const fs::path dir = fs::temp_directory_path() / "quorvex-bench";
    std::error_code error;
    fs::create_directories(dir, error);
    fs::copy_file(source, dir / "graphics.dat", fs::copy_options::overwrite_existing, error);
    return error ? std::string() : dir.string() + "/";
  }();
  return folder;
}

void BM_ArchiveOpenAndFirstGetOfEveryEntry(benchmark::State& state) {
  const std::string folder = installFolder();
  if (folder.empty()) {
    state.SkipWithError("no graphics.dat in the build's bin folder");
    return;
  }
  std::size_t entries = 0, bytes = 0;
  for (auto _ : state) {
    auto file = platform::openReadableFile(folder + "graphics.dat", platform::OpenMode::Shared);
    resources::ResourceArchive archive;
    archive.Open(std::move(file.value()));
    entries = bytes = 0;
    for (const auto& entry : archive.listEntries()) {
      bytes += archive.GetSpan(entry.name).size();
      ++entries;
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.SetLabel(std::to_string(entries) + " entries, " + std::to_string(bytes / 1024) + " KiB");
}
BENCHMARK(BM_ArchiveOpenAndFirstGetOfEveryEntry)->Unit(benchmark::kMillisecond);

void BM_StartUpToTheFirstFrame(benchmark::State& state) {
  const std::string folder = installFolder();
  if (folder.empty()) {
    state.SkipWithError("no graphics.dat in the build's bin folder");
    return;
  }
  for (auto _ : state) {
    platform::HeadlessConfig config;
    config.installFolder = folder;
    platform::HeadlessPlatform headless(config);
    app::Application application(headless);
    if (application.StartUp() != 0) {
      state.SkipWithError("start-up failed");
      return;
    }
    application.Frame();
    benchmark::DoNotOptimize(headless.pixels().data());
  }
}
BENCHMARK(BM_StartUpToTheFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
