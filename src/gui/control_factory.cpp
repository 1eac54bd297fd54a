#include "gui/control_factory.h"

#include <memory>
#include <optional>

#include "gui/bitmap_radio_group.h"
#include "gui/button.h"
#include "gui/check_box.h"
#include "gui/culminate_message.h"
#include "gui/diskret_slider.h"
#include "gui/double_label.h"
#include "gui/edit_box.h"
#include "gui/experience_icon.h"
#include "gui/image.h"
#include "gui/keyboard.h"
#include "gui/label.h"
#include "gui/max_height_message.h"
#include "gui/radio_group.h"
#include "gui/rect.h"
#include "gui/text_button.h"
#include "util/c_text.h"

namespace gui {
namespace {

// The arguments after type and name; a missing one reads as empty text.
class FactoryArgs {
 public:
  FactoryArgs(std::span<const std::string> args, ControlContext& context)
      : args_(args), context_(context) {}

  std::size_t count() const { return args_.size(); }
  bool has(std::size_t i) const { return i + 2 < args_.size(); }
  std::string_view text(std::size_t i) const {
    return has(i) ? std::string_view(args_[i + 2]) : std::string_view();
  }
  int number(std::size_t i) const { return util::parseInt(text(i)); }
  std::uint16_t colour(std::size_t i) const { return static_cast<std::uint16_t>(number(i)); }
  bool flag(std::size_t i) const { return number(i) != 0; }
  const gfx::Font* font(std::size_t i) const { return context_.fonts.Find(text(i)); }
  gfx::EntrySource& source() const { return context_.source; }
  Control* control(std::size_t i) const {
    return context_.registry != nullptr ? context_.registry->Find(text(i)) : nullptr;
  }

 private:
  std::span<const std::string> args_;
  ControlContext& context_;
};

// Builds a control of type T under parent and runs init on it; null when init fails.
// A control whose set-up fails is taken away again: the script gets no handle for it, and a
// half-made control left in the form would still be found by its name (the record book would
// wait for a name from a keyboard without keys, and the new record would be lost).
template <typename T, typename Init>
Control* make(Form& parent, std::string_view name, Init init) {
  T* control = new T(name, &parent);  // owned by parent from here on
  if (init(*control)) return control;
  parent.DeleteControl(control);
  return nullptr;
}

}  // namespace

Control* AddControl(Form& parent, std::span<const std::string> args, ControlContext& context) {
  if (args.size() < 2) return nullptr;
  const std::string_view type = args[0];
  const std::string_view name = args[1];
  const FactoryArgs a(args, context);

  if (type == "Image") {
    return make<Image>(parent, name, [&](Image& c) {
      return c.Init(a.number(0), a.number(1), nullptr, a.text(2), a.source());
    });
  }
  if (type == "Rect") {
    return make<Rect>(parent, name, [&](Rect& c) {
      return c.Init(a.number(0), a.number(1), a.number(2), a.number(3), a.number(4), a.colour(5));
    });
  }
  if (type == "Button") {
    return make<Button>(parent, name, [&](Button& c) {
      return c.Init(a.number(0), a.number(1), nullptr, a.text(2), a.text(3), a.source());
    });
  }
  if (type == "TextButton") {
    return make<TextButton>(parent, name, [&](TextButton& c) {
      const std::optional<std::string_view> pressedText =
          a.has(5) ? std::optional<std::string_view>(a.text(5)) : std::nullopt;
      return c.Init(a.number(0), a.number(1), nullptr, a.font(2), a.font(3), a.text(4), pressedText,
                    a.colour(6), a.colour(7));
    });
  }
  if (type == "Label") {
    return make<Label>(parent, name, [&](Label& c) {
      return c.Init(a.number(0), a.number(1), a.font(2), a.text(3), a.colour(4));
    });
  }
  if (type == "Form") {
    return make<Form>(parent, name, [&](Form& c) {
      c.x = static_cast<std::int16_t>(a.number(0));
      c.y = static_cast<std::int16_t>(a.number(1));
      c.width = static_cast<std::uint16_t>(a.number(2));
      c.height = static_cast<std::uint16_t>(a.number(3));
      c.navFlags = 3;
      return true;
    });
  }
  if (type == "CheckBox") {
    return make<CheckBox>(parent, name, [&](CheckBox& c) {
      return c.Init(a.number(0), a.number(1), a.number(2), a.number(3), a.text(4), a.text(5),
                    a.font(6), a.text(7), a.colour(8), a.flag(9), nullptr, a.source());
    });
  }
  if (type == "RadioGroup") {
    return make<RadioGroup>(parent, name, [&](RadioGroup& c) {
      return c.Init(a.number(0), a.number(1), a.number(2), a.number(3), a.flag(4), a.text(5),
                    a.text(6), a.font(7), a.colour(8), nullptr, a.source());
    });
  }
  if (type == "BitmapRadioGroup") {
    return make<BitmapRadioGroup>(parent, name, [&](BitmapRadioGroup& c) {
      return c.Init(a.number(0), a.number(1), a.number(2), a.number(3), a.flag(4), a.flag(5),
                    nullptr);
    });
  }
  if (type == "DiskretSlider") {
    return make<DiskretSlider>(parent, name, [&](DiskretSlider& c) {
      return c.Init(a.number(0), a.number(1), a.number(2), a.number(3), a.text(4), a.text(5),
                    nullptr, a.number(6), a.number(7), a.source());
    });
  }
  if (type == "EditBox") {
    return make<EditBox>(parent, name, [&](EditBox& c) {
      return c.Init(a.number(0), a.number(1), a.number(2), a.font(3), a.text(4), a.number(5),
                    a.number(6));
    });
  }
  if (type == "Keyboard") {
    return make<Keyboard>(parent, name, [&](Keyboard& c) {
      return c.Init(a.number(0), a.number(1), a.font(2), dynamic_cast<EditBox*>(a.control(3)),
                    a.source());
    });
  }
  if (type == "DoubleLabel") {
    return make<DoubleLabel>(parent, name, [&](DoubleLabel& c) {
      return c.Init(a.number(0), a.number(1), a.font(2), a.font(3), a.text(4), a.colour(5),
                    a.colour(6), true);
    });
  }
  if (type == "CulminateMessage") {
    return make<CulminateMessage>(parent, name, [&](CulminateMessage& c) {
      return c.Init(a.number(0), a.number(1), a.text(2), a.font(3), a.colour(4), a.source());
    });
  }
  if (type == "ExperienceIcon") {
    return make<ExperienceIcon>(parent, name, [&](ExperienceIcon& c) {
      return c.Init(a.number(0), a.number(1), nullptr, a.text(2), a.font(3), a.text(4), a.source());
    });
  }
  if (type == "MaxHeightMessage") {
    return make<MaxHeightMessage>(parent, name, [&](MaxHeightMessage& c) {
      return c.Init(a.font(0), a.font(1), a.colour(2), a.number(3));
    });
  }
  return nullptr;
}

}  // namespace gui
