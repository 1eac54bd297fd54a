#include "gui/form_script.h"

#include <memory>
#include <vector>

#include "gui/control_registry.h"
#include "gui/script_form_driver.h"
#include "resources/resource_archive.h"
#include "script/script_engine.h"

namespace gui {

bool AttachDriver(Form& form, std::string_view scriptName, AppServices& app) {
  if (scriptName.empty()) {
    form.SetDriver(nullptr);
    return false;
  }
  std::vector<std::byte> bytes;
  std::uint32_t size = 0;
  if (!app.archive().Copy(scriptName, bytes, &size) || size > bytes.size()) return true;
  auto engine = std::make_unique<script::ScriptEngine>(app.natives(), app.scriptHost());
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), size);
  if (!engine->LoadScript(scriptName, text)) {
    form.SetDriver(nullptr);
    return false;
  }
  form.SetDriver(std::make_unique<ScriptFormDriver>(std::move(engine)));
  const std::string handle[] = {HandleOf(&form)};
  form.CallDriver("Init", handle);
  return true;
}

}  // namespace gui
