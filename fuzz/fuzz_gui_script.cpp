// Screens built by scripts: any text is run as a screen script with the GUI table, then the
// screen gets taps, drags, keys, updates and a paint. Handles that name deleted, foreign or no
// controls must find nothing; under the sanitizers any use of a freed control stops the run.
// Texts with "while" are skipped: the game stops an endless loop only after a million passes,
// a second per input.
#include <string>
#include <string_view>

#include "fixtures/game/scene_fixture.h"
#include "fuzz_target.h"
#include "gfx/surface.h"
#include "gui/control_registry.h"
#include "gui/form.h"
#include "gui/form_script.h"
#include "gui/record_book_layout.h"
#include "natives/gui_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (text.find("while") != std::string_view::npos) return 0;
  game::testing::FakeApp app;
  app.SetArchive({{"screen.scr", std::string(text)}});
  gui::ControlRegistry controls;
  gui::RecordBookLayout layout;
  gui::Form root("main", nullptr);
  root.AttachRegistry(controls);
  root.width = 240;
  root.height = 320;
  root.visible = root.enabled = root.updating = true;
  natives::GuiTableServices services;
  services.app = &app;
  services.controls = &controls;
  services.recordBook = &layout;
  if (!natives::RegisterGuiNatives(app.natives(), services)) return 0;

  auto* screen = new gui::Form("screen", &root);
  screen->width = 240;
  screen->height = 320;
  screen->visible = screen->enabled = screen->updating = true;
  gui::AttachDriver(*screen, "screen.scr", app);
  gfx::SurfaceBuffer target(240, 320);
  for (const auto& [px, py] : {std::pair{10, 10}, {120, 160}, {200, 300}, {0, 0}}) {
    root.StylusDown(px, py);
    root.StylusMove(px + 3, py + 2);
    root.StylusUp(px + 3, py + 2);
    root.KeyDown(13, px, py);
    root.KeyUp(13, px, py);
    root.Update();
    root.Paint(target.surface(), 0, 0, nullptr, 40);
  }
  root.Release();
  return 0;
}

std::vector<std::string> QvFuzzSeeds() {
  return {
      "function Init(h)\n{\n  global b;\n  b = AddButton(h, 10, 10, \"ok\", \"none.spr\");\n"
      "  AddLabel(h, 5, 60, \"l\", \"text\", \"fmsmall\", 65535);\n  AddFillRect(h, 0, 0, "
      "\"240\", 40, 16, 31);\n}\nfunction ok_StylusDown(x, y)\n{\n  DeleteControl(b);\n  "
      "Show(b);\n  SetPosition(b, 1, 2);\n}\n",
      "function Init(h)\n{\n  var f;\n  f = AddForm(h, 0, 0, \"sub\", 100, 100);\n  Show(f);\n"
      "  Enable(f);\n  AddTextButton(f, 1, 1, \"t\", \"a\", \"b\", \"go\", \"GO\", 1, 2);\n"
      "  DeleteControl(f);\n  Hide(f);\n  GetControl(h, \"t\");\n  GetPosX(12345);\n}\n",
      "function Init(h)\n{\n  SetRecordBookParams(40, 75, 10, 20);\n  "
      "GetRBLSPCoords(0, 1, 2);\n  AddControl(h, 3, \"c\", 1, 2, 3);\n  SetProperties(h, 1, 1, "
      "1, 1, 1);\n  Refresh(999999999999);\n}\nfunction t_Click() { "
      "DeleteControl(GetControl(GetParentForm(0), \"screen\")); }\n",
  };
}
