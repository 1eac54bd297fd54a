// The whole program on the headless platform: init.scr builds two screens through the GUI
// natives; a tap on a button of the first runs its script handler, which switches to the
// second. Checked through the application variables and the screenshots the replay takes.
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

constexpr std::uint16_t kRed = 0xF800, kGreen = 0x07E0, kBlue = 0x001F, kYellow = 0xFFE0;

const char* const kInit = R"(
function Init(h)
{
  SetGlobalVar("INIT_RES", "1");
  SetGlobalVar("RES_X", "240");
  SetGlobalVar("RES_Y", "320");
  SetGlobalVar("SE_SPURT", "2");
  SetGlobalVar("RootParent", GetParentForm(h));
}
)";

const char* const kStart = R"(
function Init(h)
{
  global me;
  me = h;
  SetGlobalVar("StartFound", GetControlName(h));
  Enable(h);
  AddFillRect(h, 0, 0, "240", 320, 31, 63488);
  AddButton(h, 20, 40, "bGo", "go.spr", "gop.spr");
  AddButton(h, 120, 40, "bStay", "go.spr");
  AddButton(h, 20, 200, "bKill", "go.spr");
  AddLabel(h, 20, 100, "lTitle", "Start", "fonts_menu", 65535);
  var box;
  box = AddSelectBox(h, 20, 150, "sbMode", 100, 20, 0, 0, 0, 0, "fonts_menu", 65535, "c.spr", "c.spr", "a.spr", "a.spr", "a.spr", "a.spr");
  AddSelectBoxItem(box, "", "classic");
}
function OnShow()
{
  SetGlobalVar("StartShows", GetGlobalVar("StartShows") + 1);
}
function bStay_StylusDown(x, y)
{
  SetGlobalVar("StayDown", x);
}
function bKill_Click()
{
  DeleteControl(GetControl(GetParentForm(GetControl(me, "bKill")), "bKill"));
  DeleteControl(me);
  SetGlobalVar("Killed", "yes");
}
function bGo_Click()
{
  SetGlobalVar("Clicked", "yes");
  SwitchForm("ChooseForm");
}
)";

const char* const kNext = R"(
function Init(h)
{
  Enable(h);
  AddFillRect(h, 0, 0, "240", 320, 31, 31);
}
function OnShow()
{
  SetGlobalVar("StartShowsSeenByNext", GetGlobalVar("StartShows"));
}
)";

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    // One folder per test: CTest runs the tests of this file side by side.
    dir_ = fs::path(QV_TEST_TMP_DIR) / "gui_e2e" /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    testing_support::writeArchive(dir_.string() + "/graphics.dat",
                                  {{"init.scr", kInit},
                                   {"startgame.scr", kStart},
                                   {"choosegame.scr", kNext},
                                   {"go.spr", solidSpr(40, 30, kGreen)},
                                   {"gop.spr", solidSpr(40, 30, kYellow)},
                                   {"a.spr", solidSpr(10, 20, kBlue)},
                                   {"c.spr", solidSpr(20, 20, kGreen)}});
  }

  // Runs the replay; returns qvtool's standard output and sets status.
  std::string run(const std::string& replay, int& status) {
    const std::string replayPath = dir_.string() + "/replay.txt";
    std::ofstream(replayPath) << replay;
    const std::string outPath = dir_.string() + "/out.txt";
    const std::string command = std::string(QV_BIN_DIR) + "/qvtool run --dir " + dir_.string() +
                                " --replay " + replayPath + " --vars > " + outPath + " 2>&1";
    status = std::system(command.c_str());
    std::stringstream text;
    text << std::ifstream(outPath).rdbuf();
    return text.str();
  }

  // The stored 5-5-5 pixel of the 16-bit bitmap at (x, y), rows bottom-up; -1 when unreadable.
  int pixel(const std::string& name, int x, int y) {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t at = 54 + (static_cast<std::size_t>(319 - y) * 240 + x) * 2;
    if (bytes.size() < at + 2) return -1;
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
  }
  static int stored(std::uint16_t rgb565) { return (rgb565 & 0x1F) | ((rgb565 >> 6) << 5); }
  std::string shot(const std::string& name) { return "shot " + (dir_ / name).string() + "\n"; }

  fs::path dir_;
};

TEST_F(EndToEnd, AButtonHandlerSwitchesToTheNextScreen) {
  int status = 0;
  const std::string out =
      run("wait 100\n" + shot("start.bmp") +
              "down 130 50\nup 130 50\n"
              "down 30 50\nwait 100\n" +
              shot("pressed.bmp") + "up 30 50\nwait 100\n" + shot("next.bmp") + "quit\n",
          status);
  ASSERT_EQ(status, 0) << out;
  EXPECT_NE(out.find("Clicked=yes\n"), std::string::npos) << out;
  EXPECT_NE(out.find("StayDown=130\n"), std::string::npos) << out;
  EXPECT_NE(out.find("RootParent=0\n"), std::string::npos) << out;
  EXPECT_NE(out.find("StartFound=StartForm\n"), std::string::npos) << out;
  EXPECT_EQ(pixel("start.bmp", 5, 5), stored(kRed));
  EXPECT_EQ(pixel("start.bmp", 25, 45), stored(kGreen));     // the button
  EXPECT_EQ(pixel("pressed.bmp", 25, 45), stored(kYellow));  // pressed while the stylus is down
  // StartForm heard OnShow when it was shown and when it was left, both before ChooseForm's.
  EXPECT_NE(out.find("StartShows=2.0\n"), std::string::npos) << out;
  EXPECT_NE(out.find("StartShowsSeenByNext=2.0\n"), std::string::npos) << out;
  EXPECT_EQ(pixel("next.bmp", 5, 5), stored(kBlue));
  EXPECT_EQ(pixel("next.bmp", 25, 45), stored(kBlue));  // the start screen is hidden
}

// A handler that deletes the control pressed and then its whole screen, the current one, while
// the key pointer has its focus there: keys and taps afterwards reach nothing that is gone.
TEST_F(EndToEnd, AScreenDeletedByItsOwnHandlerLeavesNothingDangling) {
  int status = 0;
  const std::string out =
      run("wait 100\nkey 40\nkey 38\ntap 30 210\nwait 100\nkey 40\nkey 13\ntap 30 210\n"
          "tap 30 50\nwait 100\n" +
              shot("after.bmp") + "quit\n",
          status);
  ASSERT_EQ(status, 0) << out;
  EXPECT_NE(out.find("Killed=yes\n"), std::string::npos) << out;
  EXPECT_EQ(out.find("Clicked=yes\n"), std::string::npos) << out;  // the button went with it
}

}  // namespace
