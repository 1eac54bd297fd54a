#include "natives/gui_table.h"

#include <array>
#include <optional>
#include <string>

#include "gui/archive_source.h"
#include "gui/button.h"
#include "gui/control_factory.h"
#include "gui/form.h"
#include "gui/form_script.h"
#include "gui/image.h"
#include "gui/label.h"
#include "gui/rect.h"
#include "gui/select_box.h"
#include "gui/text_button.h"
#include "script/host.h"
#include "settings/record_book.h"
#include "util/c_text.h"

namespace natives {
namespace {

using Args = std::span<const std::string>;
using Reply = std::optional<std::string>;
// Every native shares one copy of the services.
using Services = std::shared_ptr<const GuiTableServices>;

// Argument access for one call: args holds the script's values, then the caller's name.
class Call {
 public:
  Call(Args args, const GuiTableServices& s) : args_(args), s_(s) {}

  std::size_t count() const { return script::argumentCount(args_); }
  std::string_view text(std::size_t i) const {
    return i < count() ? std::string_view(args_[i]) : std::string_view();
  }
  int number(std::size_t i) const { return util::parseInt(text(i)); }
  bool flag(std::size_t i) const { return number(i) != 0; }
  std::uint16_t colour(std::size_t i) const { return static_cast<std::uint16_t>(number(i)); }
  const gfx::Font* font(std::size_t i) const { return s_.app->fonts().Find(text(i)); }
  gui::Control* control(std::size_t i) const {
    return i < count() ? s_.controls->Find(text(i)) : nullptr;
  }
  template <typename T>
  T* as(std::size_t i) const {
    return dynamic_cast<T*>(control(i));
  }

 private:
  Args args_;
  const GuiTableServices& s_;
};

Reply handle(const gui::Control* c) {
  return gui::HandleOf(c);
}

// A creating native: builds T under the form named by argument 0 with the name in argument 3,
// runs init (its result is not tested), then flags; gives the new control's handle.
template <typename T, typename Init, typename Flags>
Reply create(const Call& call, Init init, Flags flags) {
  gui::Form* parent = call.as<gui::Form>(0);
  if (parent == nullptr) return std::nullopt;
  T* control = new T(call.text(3), parent);  // owned by parent
  init(*control);
  flags(*control);
  return handle(control);
}

// Registers a native taking a single control and acting on it when it is live.
template <typename Act>
void onControl(script::NativeRegistry& r, const Services& s, std::string_view name, Act act) {
  r.RegisterNative(name, [s, act](Args args) -> Reply {
    const Call call(args, *s);
    if (gui::Control* c = call.control(0)) act(*c, call);
    return std::nullopt;
  });
}

// Registers a native answering about a single live control (nothing for no control).
template <typename Ask>
void askControl(script::NativeRegistry& r, const Services& s, std::string_view name, Ask ask) {
  r.RegisterNative(name, [s, ask](Args args) -> Reply {
    const Call call(args, *s);
    gui::Control* c = call.control(0);
    if (c == nullptr) return std::nullopt;
    return ask(*c, call);
  });
}

void registerCreators(script::NativeRegistry& r, const Services& s) {
  r.RegisterNative("AddForm", [s](Args args) -> Reply {
    const Call call(args, *s);
    return create<gui::Form>(
        call,
        [&](gui::Form& f) {
          f.x = static_cast<std::int16_t>(call.number(1));
          f.y = static_cast<std::int16_t>(call.number(2));
          f.width = static_cast<std::uint16_t>(call.number(4));
          f.height = static_cast<std::uint16_t>(call.number(5));
        },
        [](gui::Form& f) {
          f.visible = false;
          f.updating = false;
          f.enabled = false;
          f.navFlags = 3;
        });
  });
  r.RegisterNative("AddImage", [s](Args args) -> Reply {
    const Call call(args, *s);
    gui::ArchiveSource source(s->app->archive());
    return create<gui::Image>(
        call,
        [&](gui::Image& c) {
          (void)c.Init(call.number(1), call.number(2), nullptr, call.text(4), source);
        },
        [](gui::Image& c) {
          c.updating = false;
          c.enabled = false;
          c.visible = true;
          c.alwaysRepaint = true;
        });
  });
  r.RegisterNative("AddFillRect", [s](Args args) -> Reply {
    const Call call(args, *s);
    // The width is the name read as a number: scripts name their rectangles by their width.
    return create<gui::Rect>(
        call,
        [&](gui::Rect& c) {
          (void)c.Init(call.number(1), call.number(2), call.number(3), call.number(4),
                       call.number(5), call.colour(6));
        },
        [](gui::Rect& c) {
          c.updating = false;
          c.enabled = false;
          c.visible = true;
          c.alwaysRepaint = true;
        });
  });
}

void registerImageSource(script::NativeRegistry& r, const Services& s) {
  r.RegisterNative("SetImageSource", [s](Args args) -> Reply {
    const Call call(args, *s);
    gui::Image* image = call.as<gui::Image>(0);
    if (image == nullptr) return std::nullopt;
    const std::string_view file = call.text(2);
    if (file.empty()) {
      gui::ArchiveSource source(s->app->archive());
      (void)image->SetImageSource(call.text(1), source);
      return std::nullopt;
    }
    // A second archive, open for this load only.
    std::unique_ptr<resources::ResourceArchive> other =
        s->openArchive ? s->openArchive(file) : nullptr;
    if (!other) return std::nullopt;
    gui::ArchiveSource source(*other);
    (void)image->SetImageSource(call.text(1), source);
    return std::nullopt;
  });
}

void registerButtonsAndLabels(script::NativeRegistry& r, const Services& s) {
  r.RegisterNative("AddButton", [s](Args args) -> Reply {
    const Call call(args, *s);
    gui::ArchiveSource source(s->app->archive());
    // With exactly five arguments the button has no pressed picture.
    const std::string_view pressed = call.count() == 5 ? std::string_view() : call.text(5);
    return create<gui::Button>(
        call,
        [&](gui::Button& c) {
          (void)c.Init(call.number(1), call.number(2), nullptr, call.text(4), pressed, source);
        },
        [](gui::Button& c) {
          c.updating = false;
          c.visible = true;
          c.enabled = true;
        });
  });
  r.RegisterNative("AddLabel", [s](Args args) -> Reply {
    const Call call(args, *s);
    return create<gui::Label>(
        call,
        [&](gui::Label& c) {
          (void)c.Init(call.number(1), call.number(2), call.font(5), call.text(4), call.colour(6));
        },
        [](gui::Label& c) {
          c.updating = false;
          c.enabled = false;
          c.visible = true;
        });
  });
  r.RegisterNative("SetLabelText", [s](Args args) -> Reply {
    const Call call(args, *s);
    if (gui::Label* label = call.as<gui::Label>(0)) label->SetText(call.text(1), call.colour(2));
    return std::nullopt;
  });
  r.RegisterNative("ShowMessage", [s](Args args) -> Reply {
    const Call call(args, *s);
    s->app->scriptHost().ShowMessage(call.text(0), "Message");
    return std::nullopt;
  });
}

void registerFlags(script::NativeRegistry& r, const Services& s) {
  onControl(r, s, "Show", [](gui::Control& c, const Call&) { c.visible = true; });
  onControl(r, s, "Hide", [](gui::Control& c, const Call&) { c.visible = false; });
  onControl(r, s, "Enable", [](gui::Control& c, const Call&) { c.enabled = true; });
  onControl(r, s, "Disable", [](gui::Control& c, const Call&) { c.enabled = false; });
  onControl(r, s, "SetPosition", [](gui::Control& c, const Call& call) {
    c.SetPosition(static_cast<std::int16_t>(call.number(1)),
                  static_cast<std::int16_t>(call.number(2)));
  });
  onControl(r, s, "EnableRepaint", [](gui::Control& c, const Call&) { c.alwaysRepaint = true; });
  onControl(r, s, "DisableRepaint", [](gui::Control& c, const Call&) { c.alwaysRepaint = false; });
  onControl(r, s, "Invalidate", [](gui::Control& c, const Call&) { c.invalid = true; });
  onControl(r, s, "Refresh", [](gui::Control& c, const Call&) { c.Refresh(); });
}

void registerTextButtonAndQueries(script::NativeRegistry& r, const Services& s) {
  r.RegisterNative("AddTextButton", [s](Args args) -> Reply {
    const Call call(args, *s);
    return create<gui::TextButton>(
        call,
        [&](gui::TextButton& c) {
          (void)c.Init(call.number(1), call.number(2), nullptr, call.font(4), call.font(5),
                       call.text(6), call.text(7), call.colour(8), call.colour(9));
        },
        [](gui::TextButton& c) {
          c.updating = false;
          c.visible = true;
          c.enabled = true;
          c.invalid = true;
        });
  });
  askControl(r, s, "GetControlName",
             [](gui::Control& c, const Call&) -> Reply { return c.name(); });
  askControl(r, s, "GetParentForm",
             [](gui::Control& c, const Call&) -> Reply { return handle(c.parent()); });
  r.RegisterNative("SetDriver", [s](Args args) -> Reply {
    const Call call(args, *s);
    if (gui::Form* form = call.as<gui::Form>(0))
      (void)gui::AttachDriver(*form, call.text(1), *s->app);
    return std::nullopt;
  });
  r.RegisterNative("GetControl", [s](Args args) -> Reply {
    const Call call(args, *s);
    const gui::Form* form = call.as<gui::Form>(0);
    return handle(form != nullptr ? form->FindControl(call.text(1)) : nullptr);
  });
  askControl(r, s, "GetPosX",
             [](gui::Control& c, const Call&) -> Reply { return std::to_string(c.x); });
  askControl(r, s, "GetPosY",
             [](gui::Control& c, const Call&) -> Reply { return std::to_string(c.y); });
  askControl(r, s, "GetWidth",
             [](gui::Control& c, const Call&) -> Reply { return std::to_string(c.width); });
  askControl(r, s, "GetHeight",
             [](gui::Control& c, const Call&) -> Reply { return std::to_string(c.height); });
  onControl(r, s, "SetProperties", [](gui::Control& c, const Call& call) {
    c.visible = call.flag(1);
    c.invalid = call.flag(2);
    c.alwaysRepaint = call.flag(3);
    c.enabled = call.flag(4);
    c.updating = call.flag(5);
  });
}

void registerFactoryAndRecordBook(script::NativeRegistry& r, const Services& s) {
  r.RegisterNative("AddControl", [s](Args args) -> Reply {
    const Call call(args, *s);
    gui::Form* parent = call.as<gui::Form>(0);
    if (parent == nullptr || call.count() < 3) return std::nullopt;
    gui::ArchiveSource source(s->app->archive());
    gui::ControlContext context{source, s->app->fonts(), s->controls};
    const gui::Control* made = gui::AddControl(*parent, args.subspan(1, call.count() - 1), context);
    if (made == nullptr) return std::nullopt;
    return handle(made);
  });
  r.RegisterNative("GetRBLSPCoords", [s](Args args) -> Reply {
    const Call call(args, *s);
    const bool xAxis = !call.text(1).empty() && call.text(1).front() == '0';
    return std::to_string(s->recordBook->Coordinate(xAxis, call.number(2)));
  });
}

void registerSelectBox(script::NativeRegistry& r, const Services& s) {
  r.RegisterNative("AddSelectBox", [s](Args args) -> Reply {
    const Call call(args, *s);
    gui::Form* parent = call.as<gui::Form>(0);
    if (parent == nullptr) return std::nullopt;
    auto* box = new gui::SelectBox(call.text(3), parent);  // owned by parent
    gui::ArchiveSource source(s->app->archive());
    const std::array<std::string_view, 6> pictures = {call.text(12), call.text(13), call.text(14),
                                                      call.text(15), call.text(16), call.text(17)};
    if (!box->LoadPictures(pictures, source)) {
      s->app->scriptHost().ShowMessage(box->name(), "Error bitmap");
    }
    if (!box->Init(call.number(1), call.number(2), call.number(4), call.number(5), call.number(6),
                   call.number(7), call.number(8), call.number(9), call.font(10),
                   call.colour(11))) {
      s->app->scriptHost().ShowMessage(box->name(), "Error init");
    }
    return handle(box);
  });
  r.RegisterNative("AddSelectBoxItem", [s](Args args) -> Reply {
    const Call call(args, *s);
    gui::SelectBox* box = call.as<gui::SelectBox>(0);
    if (box == nullptr) return std::nullopt;
    // A missing argument, or one with the character 0 anywhere in it, stands for none.
    const auto given = [&](std::size_t i) {
      return i < call.count() && call.text(i).find('0') == std::string_view::npos;
    };
    gui::ArchiveSource source(s->app->archive());
    const std::optional<std::string_view> text =
        given(2) ? std::optional<std::string_view>(call.text(2)) : std::nullopt;
    (void)box->AddItem(given(1) ? call.text(1) : std::string_view(), text, 0, source);
    return std::nullopt;
  });
}

void registerRecordBookParams(script::NativeRegistry& r, const Services& s) {
  r.RegisterNative("SetRecordBookParams", [s](Args args) -> Reply {
    const Call call(args, *s);
    if (call.count() < 4) return std::nullopt;
    s->recordBook->top = call.number(0);
    s->recordBook->pitch = call.number(1);
    s->recordBook->rightMargin = call.number(2);
    s->recordBook->left = call.number(3);
    return std::nullopt;
  });
}

// Added after the original rows, so their order stays: the record book's table of a mode, as
// the menu opens it, and the number of records shown (-1 while a name is being entered).
void registerRecordTable(script::NativeRegistry& r, const Services& s) {
  r.RegisterNative("ShowRecordTable", [s](Args args) -> Reply {
    const Call call(args, *s);
    auto* book = dynamic_cast<settings::RecordBook*>(s->app->FindForm("RecordBook"));
    if (book == nullptr) return std::nullopt;
    return std::to_string(book->Browse(call.number(0)));
  });
}

}  // namespace

bool RegisterGuiNatives(script::NativeRegistry& r, const GuiTableServices& services) {
  if (services.app == nullptr || services.controls == nullptr || services.recordBook == nullptr) {
    return false;
  }
  const Services s = std::make_shared<const GuiTableServices>(services);
  r.RegisterNative("DeleteControl", [s](Args args) -> Reply {
    const Call call(args, *s);
    gui::Control* c = call.control(0);
    if (c != nullptr && c->parent() != nullptr) c->parent()->DeleteControl(c);
    return std::nullopt;
  });
  registerCreators(r, s);
  registerImageSource(r, s);
  registerButtonsAndLabels(r, s);
  registerFlags(r, s);
  registerTextButtonAndQueries(r, s);
  registerFactoryAndRecordBook(r, s);
  registerSelectBox(r, s);
  registerRecordBookParams(r, s);
  registerRecordTable(r, s);
  return true;
}

}  // namespace natives
