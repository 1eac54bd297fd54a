// CulminateMessage: a line of praise shown for 60 frames when the tower first reaches a height
// threshold. The thresholds and texts come from a text resource: the count on the first line,
// then one "threshold,text" line each, thresholds in increasing order, in units of a twelfth of
// the screen width. A tolerance of 0.05 units lets a text show just before its threshold.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gfx/fonts/font.h"
#include "gfx/images/entry_source.h"
#include "gui/control.h"

namespace gui {

class CulminateMessage : public Control {
 public:
  static constexpr std::size_t kMaxText = 59;
  static constexpr int kShowFrames = 60;
  static constexpr double kTolerance = 0.05;

  struct Entry {
    std::string text;
    float threshold = 0;
  };

  CulminateMessage(std::string_view name, Form* parent);

  /// Reads the entries from the resource; fails when the name is empty or the resource is
  /// missing. Ends with Reset.
  bool Init(int x, int y, std::string_view resourceName, const gfx::Font* font,
            std::uint16_t colour, gfx::EntrySource& source);

  /// Forgets every shown text and trigger and goes quiet (a game starts).
  void Reset();
  /// Ends the text being shown at once.
  void Dismiss();
  /// While active: shows the text of the highest threshold reached by heightPx (pixels) unless
  /// it was shown already, or a text was already shown for this trigger value.
  void ReportHeight(float heightPx, std::uint32_t trigger);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Update() override;
  void Release() override;
  void StylusDown(int, int) override {}
  void StylusUp(int, int) override {}
  void StylusMove(int, int) override {}

  const std::vector<Entry>& entries() const { return entries_; }
  const std::optional<std::string>& shownText() const { return shownText_; }
  int current() const { return current_; }
  int last() const { return last_; }
  int timer() const { return timer_; }

  bool active = false;

 private:
  std::vector<Entry> entries_;
  const gfx::Font* font_ = nullptr;
  std::uint16_t colour_ = 0;
  int current_ = -1;
  int last_ = -1;
  int timer_ = 0;
  std::optional<std::string> shownText_;
  std::vector<std::uint32_t> triggers_;
};

/// Parses a culminate resource into entries (as many as the count says and lines allow).
std::vector<CulminateMessage::Entry> ParseCulminateEntries(std::string_view text);

}  // namespace gui
