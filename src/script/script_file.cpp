#include "script/script_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace script {

util::Result<std::string> readScriptFile(const std::string& path) {
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open())
    return util::makeError(util::ErrorCode::NotFound, "cannot open '" + path + "'");
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return util::makeError(util::ErrorCode::Io, "cannot read '" + path + "'");
  return content.str();
}

util::Status loadScriptFile(ScriptEngine& engine, const std::string& path) {
  util::Result<std::string> text = readScriptFile(path);
  if (!text) return text.error();
  const std::size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return engine.LoadScript(name, *text);
}

}  // namespace script
