// Attaching a script to a form as its driver: the script is read from the archive, loaded into
// a new ScriptEngine on the application's natives, and its Init runs with the form's handle.
#pragma once

#include <string_view>

#include "gui/app_services.h"
#include "gui/form.h"

namespace gui {

/// Attaches the archive entry scriptName to form. An empty name removes the driver and fails;
/// a missing entry changes nothing and succeeds; a script that does not load leaves the form
/// without a driver and fails. On success the previous driver is replaced and the new one's
/// "Init" runs with the form's handle before this returns.
bool AttachDriver(Form& form, std::string_view scriptName, AppServices& app);

}  // namespace gui
