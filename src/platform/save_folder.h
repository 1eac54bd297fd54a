// Where the player's files go: options.dat, scores.dat and screenshots live beside graphics.dat
// when that folder can be written (a build tree, a portable copy), and otherwise in the user's
// data folder, which a fresh installation seeds with the default options.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {

struct SaveFolderRules {
  /// Reads an environment variable; nothing when it is unset or empty.
  std::function<std::optional<std::string>(const char* name)> environment;
  /// True when files can be created in the folder.
  std::function<bool(const std::string& folder)> writable;
};

/// The folder (with a trailing slash) for the player's files: installFolder when writable,
/// else $XDG_DATA_HOME/quorvex/, else $HOME/.local/share/quorvex/; empty when neither
/// variable is set.
std::string ChooseSaveFolder(const std::string& installFolder, const SaveFolderRules& rules);

/// The rules of the host: getenv, and a test file created and removed in the folder.
SaveFolderRules HostSaveFolderRules();

/// Makes saveFolder exist and, when it differs from installFolder and holds no options.dat
/// yet, copies the installation's default options.dat into it. False when the folder can't be
/// made; a missing default is not an error (the game then starts with every option at 0).
bool PrepareSaveFolder(const std::string& installFolder, const std::string& saveFolder);

}  // namespace platform
