// DoubleLabel, CulminateMessage, ExperienceIcon and MaxHeightMessage.
#include <gtest/gtest.h>

#include "gfx/fonts/font_registry.h"
#include "gfx/pixel_picture.h"
#include "gui/culminate_message.h"
#include "gui/double_label.h"
#include "gui/experience_icon.h"
#include "gui/form.h"
#include "gui/max_height_message.h"
#include "gui_fixture.h"

namespace {

using gui::testing::solidSpr;

class Messages : public ::testing::Test {
 protected:
  void SetUp() override {
    gui::testing::addTestFonts(fonts);
    gui::testing::place(&form, 0, 0, 240, 320);
    source.entries["eiffel.txt"] = "3\r\n1,First\r\n2,Second\r\n5.0,Third\r\n";
    source.entries["icon.spr"] = solidSpr(20, 20, 0x001F);
    source.entries["flyer.spr"] = solidSpr(10, 6, 0xF800);
  }
  gfx::FontRegistry fonts;
  gui::testing::MapSource source;
  gui::Form form{"GameForm", nullptr};
};

TEST_F(Messages, DoubleLabelSplitsOnlyAtPointsBetweenDigitsAndSharesABottomLine) {
  gui::DoubleLabel label("dl", &form);
  ASSERT_TRUE(label.Init(1, 1, fonts.Find("f"), fonts.Find("big"), "3.25", 1, 2));
  EXPECT_EQ(label.width, 6 + 3 * 10);
  EXPECT_EQ(label.height, 12);
  gfx::SurfaceBuffer buffer(60, 20);
  label.Paint(buffer.surface(), 0, 0, nullptr, 0);
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), 1), 6 * 8);
  EXPECT_EQ(gfx::testing::countColour(buffer.surface(), 2), 3 * 10 * 12);
  EXPECT_EQ(buffer.surface().at(1, 5), 1);  // the small digit sits on the bottom line, rows 5..12
  EXPECT_EQ(buffer.surface().at(1, 4), 0);
  EXPECT_EQ(buffer.surface().at(7, 1), 2);  // the fraction starts at the top
  const std::vector<std::pair<std::string, std::vector<std::size_t>>> cases = {
      {"3.25", {0, 1, 4}}, {"3.", {0, 2}}, {"A.B", {0, 3}}, {"1.2.3", {0, 1, 3, 5}}};
  for (const auto& [text, breaks] : cases) {
    label.SetText(text);
    EXPECT_EQ(label.breaks(), breaks) << text;
  }
  EXPECT_EQ(label.width, 6 + 20 + 12);  // "1" and ".3" of "1.2.3" in the first font again
}

TEST_F(Messages, CulminateParsesCountThresholdsAndTexts) {
  const auto entries = gui::ParseCulminateEntries("2\n1.5,Tall, taller\r\n3,Top\n9,ignored\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_FLOAT_EQ(entries[0].threshold, 1.5f);
  EXPECT_EQ(entries[0].text, "Tall, taller");
  EXPECT_EQ(entries[1].text, "Top");  // no carriage return: nothing is cut
  EXPECT_EQ(gui::ParseCulminateEntries("5\n1,a\n").size(), 1u);
  EXPECT_EQ(gui::ParseCulminateEntries("1\n1," + std::string(80, 'x'))[0].text.size(), 59u);
  gui::CulminateMessage message("EiffelText", &form);
  EXPECT_FALSE(message.Init(0, 0, "", fonts.Find("f"), 1, source));
  EXPECT_FALSE(message.Init(0, 0, "missing.txt", fonts.Find("f"), 1, source));
}

TEST_F(Messages, CulminateThresholdsAllowAToleranceAndFallingBackRearms) {
  gui::CulminateMessage message("EiffelText", &form);
  ASSERT_TRUE(message.Init(0, 50, "eiffel.txt", fonts.Find("f"), 1, source));
  message.ReportHeight(30, 1);  // not active yet
  EXPECT_FALSE(message.shownText());
  message.active = true;
  message.ReportHeight(10, 1);  // 0.5 units: below every threshold
  EXPECT_FALSE(message.shownText());
  message.ReportHeight(30, 1);  // 1.5 units (20 pixels a unit)
  EXPECT_EQ(message.shownText(), "First");
  EXPECT_EQ(message.x, (240 - 5 * 6) / 2);
  message.ReportHeight(39, 2);  // 1.95 units reach the second text already
  EXPECT_EQ(message.shownText(), "Second");
  EXPECT_EQ(message.timer(), 60);
  message.ReportHeight(200, 2);  // a trigger that already showed a text shows no other
  EXPECT_EQ(message.shownText(), "Second");
  EXPECT_EQ(message.last(), 2);
  message.ReportHeight(200, 3);  // the same entry is not shown twice
  EXPECT_EQ(message.current(), 1);
  message.Dismiss();
  EXPECT_FALSE(message.shownText());
  message.Reset();
  EXPECT_FALSE(message.active);
  EXPECT_EQ(message.current(), -1);

  // Falling back under an entry's threshold lets it show again later.
  message.active = true;
  message.ReportHeight(45, 1);  // 2.25 units: Second
  ASSERT_EQ(message.current(), 1);
  message.ReportHeight(25, 2);  // 1.25 units: below Second, still above First
  EXPECT_EQ(message.last(), 1);
  message.ReportHeight(20, 2);  // 1.0 units: fell back under First's threshold + 0.05
  EXPECT_EQ(message.last(), 0);
  message.ReportHeight(45, 3);  // up again: k = 1 >= current and differs from last
  EXPECT_EQ(message.current(), 1);
  EXPECT_EQ(message.shownText(), "Second");
  for (int i = 0; i < 60; ++i)
    message.Update();
  EXPECT_FALSE(message.shownText());
  EXPECT_FALSE(message.updating);
}

TEST_F(Messages, ExperiencePointsAreAFifthCappedAtTenAClickNeedsAPressAndTheFlightEndsOnIt) {
  gui::ExperienceIcon icon("ExpIcon", &form);
  int clicks = 0;
  ASSERT_TRUE(icon.Init(
      200, 10, [&](gui::Control&) { ++clicks; }, "icon.spr", fonts.Find("f"), "flyer.spr", source));
  icon.SetPoints(50);
  EXPECT_EQ(icon.points(), 10);
  icon.SetPoints(60);
  EXPECT_EQ(icon.shownPoints(), 10);
  icon.SetPoints(4);
  EXPECT_EQ(icon.points(), 0);
  icon.Award("+1", 0, 0, 0);
  EXPECT_EQ(icon.framesLeft(), 0);
  EXPECT_EQ(icon.shownPoints(), 0);
  icon.StylusUp(201, 11);  // no press before: no click
  icon.StylusDown(201, 11);
  icon.StylusUp(201, 11);
  EXPECT_EQ(clicks, 1);

  // The flight ends centred on the icon.
  icon.Award("+10pts", 25, 30, 10);  // 170 pixels away: 10 frames
  EXPECT_EQ(icon.points(), 5);
  EXPECT_EQ(icon.framesTotal(), 10);
  EXPECT_EQ(icon.FlyerPosition(), (gui::Point{30, 10}));
  for (int i = 0; i < 10; ++i)
    icon.Update();
  EXPECT_EQ(icon.framesLeft(), 0);
  EXPECT_EQ(icon.FlyerPosition(), (gui::Point{205, 17}));  // centre (210, 20) minus (5, 3)
  EXPECT_EQ(icon.shownPoints(), 0);
  icon.Update();
  EXPECT_EQ(icon.shownPoints(), 5);
  EXPECT_FALSE(icon.updating);

  icon.Award("+1", 10, 195, 10);  // 5 pixels: too short to fly
  EXPECT_EQ(icon.framesLeft(), 0);
  EXPECT_EQ(icon.shownPoints(), 2);
  EXPECT_FALSE(icon.Init(0, 0, nullptr, "icon.spr", nullptr, "missing.spr", source));
}

TEST_F(Messages, MaxHeightAcceleratesOffTheForm) {
  gui::MaxHeightMessage message("mMaxHeight", &form);
  ASSERT_TRUE(message.Init(fonts.Find("f"), fonts.Find("big"), 1, 2));
  message.Launch(12.345, 100, 50);
  EXPECT_EQ(message.intText(), "12.");
  EXPECT_EQ(message.fracText(), "35");
  EXPECT_EQ(message.direction(), 1);
  EXPECT_EQ(message.y, 50 - 4);
  std::vector<int> moves;
  int frames = 0;
  while (message.updating && frames < 100) {
    const int before = message.x;
    message.Update();
    if (message.updating) moves.push_back(message.x - before);
    ++frames;
  }
  EXPECT_EQ(std::vector<int>(moves.begin(), moves.begin() + 9),
            (std::vector<int>{0, 1, 1, 2, 2, 3, 3, 4, 5}));
  EXPECT_FALSE(message.visible);

  message.Launch(7.0, 200, 50);  // right of the middle: the number ends at x and moves left
  EXPECT_EQ(message.direction(), -1);
  EXPECT_EQ(message.x, 200 - 2 * 6 - 2 * 10);  // "7." and "00"
  gui::MaxHeightMessage whole("w", &form);
  ASSERT_TRUE(whole.Init(fonts.Find("f"), fonts.Find("f"), 1, 0));
  whole.Launch(3.6, 10, 10);
  EXPECT_EQ(whole.intText(), "4.");
  EXPECT_EQ(whole.fracText(), "");
}

// Between two frames the flying star and the height message are drawn at the place of the
// frame before (t = 0) and of the last frame (t = 1) exactly.
TEST_F(Messages, MovingMessagesBetweenFramesEndAtTheirTwoFrames) {
  gui::ExperienceIcon icon("ExpIcon", &form);
  ASSERT_TRUE(icon.Init(200, 10, nullptr, "icon.spr", fonts.Find("f"), "flyer.spr", source));
  icon.Award("+10", 25, 30, 150);
  gui::MaxHeightMessage message("mMaxHeight", &form);
  ASSERT_TRUE(message.Init(fonts.Find("f"), fonts.Find("big"), 0xFFFF, 2));
  message.Launch(12.345, 20, 200);
  for (gui::Control* control : std::initializer_list<gui::Control*>{&icon, &message}) {
    SCOPED_TRACE(control->name());
    const auto& moving = dynamic_cast<const gui::Interpolated&>(*control);
    const auto picture = [](const auto& draw) {
      gfx::SurfaceBuffer screen(240, 320);
      draw(screen.surface());
      return screen.pixels();
    };
    const auto frame = [&] {
      control->Update();
      return picture([&](gfx::Surface& s) { control->Paint(s, 0, 0, nullptr, 0); });
    };
    const auto between = [&](float t) {
      return picture([&](gfx::Surface& s) { moving.PaintBetween(s, 0, 0, nullptr, 0, t); });
    };
    for (int i = 0; i < 3; ++i)
      frame();
    const std::vector<std::uint16_t> before = frame(), after = frame();
    EXPECT_TRUE(before != after);
    EXPECT_TRUE(between(0.0f) == before);
    EXPECT_TRUE(between(1.0f) == after);
  }
}

}  // namespace
