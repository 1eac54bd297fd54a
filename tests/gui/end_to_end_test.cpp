// The whole program on the headless platform: init.scr builds the start screen through the GUI
// natives; a handler deletes the control pressed and then its own screen, the current one,
// while the key pointer has its focus there: keys and taps afterwards reach nothing that is
// gone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/archive_fixture.h"
#include "gui_fixture.h"

namespace {

namespace fs = std::filesystem;
using gui::testing::solidSpr;

const char* const kStart = R"(function Init(h) {
  global me; me = h; Enable(h);
  AddFillRect(h, 0, 0, "240", 320, 31, 63488);
  AddButton(h, 20, 40, "bGo", "go.spr", "gop.spr");
  AddButton(h, 120, 40, "bStay", "go.spr");
  AddButton(h, 20, 200, "bKill", "go.spr");
}
function bKill_Click() {
  DeleteControl(GetControl(GetParentForm(GetControl(me, "bKill")), "bKill"));
  DeleteControl(me);
  SetGlobalVar("Killed", "yes");
}
function bGo_Click() { SetGlobalVar("Clicked", "yes"); }
)";

TEST(EndToEnd, AScreenDeletedByItsOwnHandlerLeavesNothingDangling) {
  const fs::path dir = fs::path(QV_TEST_TMP_DIR) / "gui_e2e";
  fs::remove_all(dir);
  fs::create_directories(dir);
  testing_support::writeArchive((dir / "graphics.dat").string(),
                                {{"init.scr", testing_support::plainInitScript()},
                                 {"startgame.scr", kStart},
                                 {"go.spr", solidSpr(40, 30, 0x07E0)},
                                 {"gop.spr", solidSpr(40, 30, 0xFFE0)}});
  const std::string replayPath = (dir / "replay.txt").string(),
                    outPath = (dir / "out.txt").string();
  std::ofstream(replayPath) << "wait 100\nkey 40\nkey 38\ntap 30 210\nwait 100\nkey 40\nkey 13\n"
                               "tap 30 210\ntap 30 50\nwait 100\nquit\n";
  const std::string command = std::string(QV_BIN_DIR) + "/qvtool run --dir " + dir.string() +
                              " --replay " + replayPath + " --vars > " + outPath + " 2>&1";
  const int status = std::system(command.c_str());
  std::stringstream text;
  text << std::ifstream(outPath).rdbuf();
  const std::string out = text.str();
  ASSERT_EQ(status, 0) << out;
  EXPECT_NE(out.find("Killed=yes\n"), std::string::npos) << out;
  EXPECT_EQ(out.find("Clicked=yes\n"), std::string::npos) << out;  // the button went with it
}

}  // namespace
