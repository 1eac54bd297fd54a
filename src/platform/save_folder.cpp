#include "platform/save_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string ChooseSaveFolder(const std::string& installFolder, const SaveFolderRules& rules) {
  if (rules.writable(installFolder)) return installFolder;
  if (auto data = rules.environment("XDG_DATA_HOME")) return withSlash(*data) + "quorvex/";
  if (auto home = rules.environment("HOME")) return withSlash(*home) + ".local/share/quorvex/";
  return {};
}

SaveFolderRules HostSaveFolderRules() {
  SaveFolderRules rules;
  rules.environment = [](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
  };
  rules.writable = [](const std::string& folder) {
    const fs::path probe = fs::path(folder) / ".quorvex-write-test";
    {
      std::ofstream out(probe);
      if (!out) return false;
    }
    std::error_code error;
    fs::remove(probe, error);
    return true;
  };
  return rules;
}

bool PrepareSaveFolder(const std::string& installFolder, const std::string& saveFolder) {
  if (saveFolder.empty()) return false;
  std::error_code error;
  fs::create_directories(saveFolder, error);
  if (!fs::is_directory(saveFolder, error)) return false;
  if (fs::equivalent(installFolder, saveFolder, error)) return true;
  const fs::path target = fs::path(saveFolder) / "options.dat";
  const fs::path source = fs::path(installFolder) / "options.dat";
  if (!fs::exists(target, error) && fs::is_regular_file(source, error))
    fs::copy_file(source, target, error);  // a failed copy leaves the defaults of every 0
  return true;
}

}  // namespace platform
