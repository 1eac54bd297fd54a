// The control factory behind the script function AddControl: a type name picks the class, the
// further argument texts are its initialisation's arguments in a fixed order per type.
#pragma once

#include <span>
#include <string>

#include "gfx/fonts/font_registry.h"
#include "gfx/images/entry_source.h"
#include "gui/control_registry.h"
#include "gui/form.h"

namespace gui {

/// What the factory builds controls from. All references are borrowed for the call.
struct ControlContext {
  gfx::EntrySource& source;        // pictures and text resources (the application's archive)
  const gfx::FontRegistry& fonts;  // font arguments are names looked up here
  const ControlRegistry* registry = nullptr;  // resolves handle arguments (a keyboard's target)
};

/// AddControl(parent, type, name, ...): args holds type, name and the type's arguments as
/// texts (the parent is given resolved). Numbers are read as atoi does, coordinates and sizes
/// truncated to 16 bits, colours taken as RGB565 values. The type name is compared exactly.
/// Returns the new control, or null when type or name is missing, the type is unknown or the
/// initialisation fails; a control whose initialisation failed stays in parent's children
/// (it draws nothing it could not load).
Control* AddControl(Form& parent, std::span<const std::string> args, ControlContext& context);

}  // namespace gui
