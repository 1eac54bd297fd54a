// The GUI table of natives, the first table the application registers. Its rows, in order:
//   DeleteControl, AddForm, AddImage, AddFillRect, SetImageSource, AddButton, AddLabel,
//   SetLabelText, ShowMessage, Show, Hide, Enable, Disable, SetPosition, EnableRepaint,
//   DisableRepaint, Invalidate, Refresh, AddTextButton, GetControlName, GetParentForm,
//   SetDriver, GetControl, GetPosX, GetPosY, GetWidth, GetHeight, SetProperties, AddControl,
//   GetRBLSPCoords, AddSelectBox, AddSelectBoxItem, SetRecordBookParams, and after them
//   ShowRecordTable (the record book browsed from the menu).
//
// Controls travel as handles (gui::ControlRegistry). A handle that names no live control, or a
// control of the wrong kind, makes a native do nothing and give nothing; creating natives
// refuse a parent that is not a live form.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "gui/app_services.h"
#include "gui/control_registry.h"
#include "gui/record_book_layout.h"
#include "resources/resource_archive.h"
#include "script/native_registry.h"

namespace natives {

/// Opens a further archive file by name for one load (SetImageSource); null when it can't.
using ArchiveOpener =
    std::function<std::unique_ptr<resources::ResourceArchive>(std::string_view fileName)>;

/// What the GUI natives act on. Pointers are borrowed and must outlive the registry.
struct GuiTableServices {
  gui::AppServices* app = nullptr;              // archive, fonts, natives, message boxes
  gui::ControlRegistry* controls = nullptr;     // handle lookup
  gui::RecordBookLayout* recordBook = nullptr;  // SetRecordBookParams / GetRBLSPCoords
  ArchiveOpener openArchive;                    // SetImageSource's third argument; may be empty
};

/// Registers the GUI table in order (refused duplicates are ignored). False when app,
/// controls or recordBook is missing.
bool RegisterGuiNatives(script::NativeRegistry& registry, const GuiTableServices& services);

}  // namespace natives
