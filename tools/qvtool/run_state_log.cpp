#include "qvtool/run_state_log.h"

#include <string>
#include <vector>

#include "app/application.h"
#include "app/key_pointer.h"
#include "game/game_scene.h"
#include "gui/form.h"

namespace qvtool {
namespace {

std::string nameOf(const gui::Control* control) {
  return control != nullptr ? control->name() : "-";
}

// The root form's child that holds control (a screen or a message), or null.
const gui::Control* screenOf(const gui::Control* control, const gui::Form& root) {
  while (control != nullptr && control->parent() != &root)
    control = control->parent();
  return control;
}

}  // namespace

void StateLog::Start(app::Application& application) {
  application_ = &application;
  for (const gui::Control* child : application.rootForm().children()) {
    if (dynamic_cast<const gui::Form*>(child) != nullptr) screens_.insert(child->name());
  }
}

void StateLog::Frame(std::uint32_t timeMs) {
  if (application_ == nullptr) return;
  app::Application& a = *application_;
  const gui::Form* top = nullptr;
  std::string input;
  bool message = false;
  for (const gui::Control* child : a.rootForm().children()) {
    const auto* form = dynamic_cast<const gui::Form*>(child);
    if (form == nullptr || !form->visible) continue;
    top = form;
    if (screens_.count(form->name()) == 0) message = true;
    if (form->enabled) input += (input.empty() ? "" : ",") + form->name();
  }
  const gui::Form* keys = a.keyPointer().form();
  out_ << "t=" << timeMs << " top=" << nameOf(top)
       << " keys=" << nameOf(screenOf(keys, a.rootForm())) << " keyform=" << nameOf(keys)
       << " input=" << (input.empty() ? "-" : input) << " msg=" << (message ? 1 : 0)
       << " current=" << nameOf(a.currentForm());

  const game::GameScene* scene = a.screens().gameScene;
  if (scene == nullptr || !scene->initialised()) {
    out_ << " mode=0\n";
    return;
  }
  const game::World& w = scene->world();
  int reach = 0, view = 0;
  int toolbar = 0;
  if (const gui::Form* form = scene->form()) {
    if (const gui::Control* bar = form->FindControl("iToolBar")) toolbar = bar->height;
  }
  for (const game::Goo& goo : w.goos()) {
    if (!w.InReach(goo)) continue;
    ++reach;
    int sx = 0, sy = 0;
    w.worldToScreen(goo.x, goo.y, sx, sy);
    if (sx >= 0 && sx < scene->width && sy >= toolbar && sy < scene->height) ++view;
  }
  out_ << " mode=" << w.mode << " level=" << scene->level << " goos=" << w.goos().size()
       << " reach=" << reach << " view=" << view << " held=" << (w.holding ? 1 : 0)
       << " left=" << (w.gooLimit - w.goosUsed) << " ctime=" << scene->controlTime << '\n';
}

}  // namespace qvtool
