// Loading a script from a file on disk, for tools and tests. The game itself takes script texts
// from the resource archive and calls ScriptEngine::LoadScript directly.
#pragma once

#include <string>

#include "script/script_engine.h"
#include "util/result.h"

namespace script {

/// The whole content of the file at path; NotFound when it can't be opened, Io when reading
/// fails.
util::Result<std::string> readScriptFile(const std::string& path);

/// Reads the file at path and loads it into engine under the file's name without folders
/// (as the archive would name it). Fails with the read error or the load error.
util::Status loadScriptFile(ScriptEngine& engine, const std::string& path);

}  // namespace script
