// The modal message form: a screen built by a script over the current one, with a frame loop
// of its own that runs until the script writes its answer, the time runs out or the program
// quits. The game underneath stands still meanwhile: only the message form is updated, though
// everything is drawn. Escape (a controller's B) ends the message as its time-out would, with
// the answer 0, and never switches screens underneath it.
#include <string>

#include "app/application.h"
#include "game/player_scene.h"
#include "gui/control_registry.h"
#include "gui/form.h"
#include "gui/form_script.h"
#include "resources/resource_archive.h"
#include "script/variable_table.h"
#include "util/c_text.h"

namespace app {

int Application::RunMessageForm(std::string_view formName, std::string_view scriptName,
                                std::uint32_t timeoutMs) {
  // A message without its script could never be answered; with no time limit the game would
  // wait for ever. It fails like a script that does not run.
  if (archive_->Size(scriptName) == resources::ResourceArchive::kMissingSize) return -1;

  auto* form = new gui::Form(formName, rootForm_.get());  // owned by the root form
  form->x = 0;
  form->y = 0;
  form->width = static_cast<std::uint16_t>(logicalWidth_);
  form->height = static_cast<std::uint16_t>(logicalHeight_);
  // Every arrow moves the focus: a message's buttons may stand side by side (the question
  // before leaving a game), where up and down alone would leave the player guessing.
  form->navFlags =
      gui::kNavUpBack | gui::kNavDownForward | gui::kNavLeftBack | gui::kNavRightForward;
  form->visible = true;
  form->enabled = true;
  form->updating = true;
  if (!gui::AttachDriver(*form, scriptName, *this)) {
    rootForm_->DeleteControl(form);
    return -1;
  }
  // The game stands still under the message: a goo in the hand is let go, since the release
  // that would end its drag goes to the message.
  if (scene_ != nullptr) scene_->EndCarry();
  gui::Form* underneath = currentForm_;
  // Under a message raised from inside another one the screen is already disabled, and stays
  // so until the outer message ends.
  const bool underneathEnabled = underneath != nullptr && underneath->enabled;
  if (underneath != nullptr) underneath->enabled = false;
  keyPointer_->Attach(form, 0, KeyPointer::Mode::FocusNavigation);
  // A message raised from inside another one: each ends on its own Escape.
  const bool outerEscaped = messageEscaped_;
  gui::Form* outerMessage = messageForm_;
  ++messageDepth_;
  messageEscaped_ = false;
  messageForm_ = form;
  const bool leaveQuestion = formName == kLeaveQuestion;
  if (leaveQuestion) ++leaveQuestions_;

  const std::string answerName = "Answer" + gui::HandleOf(form);
  variables_->SetVariable(answerName, "0");
  const auto answered = [&] {
    const std::optional<std::string> answer = variables_->GetVariable(answerName);
    // An empty answer has no '0' in front either: it ends the message (as the number 0).
    return answer && (answer->empty() || (*answer)[0] != '0');
  };

  std::uint32_t start = platform_.tickMs();
  bool timedOut = false;
  while (!quit_ && !messageEscaped_ && !answered()) {
    const std::uint32_t now = platform_.tickMs();
    if (!active_) {
      // Minimised: no frames, and the time-out waits until the player is back.
      if (windowCreated_ && platform_.peekEvent()) {
        if (const std::optional<platform::Event> event = platform_.getEvent()) HandleEvent(*event);
      } else {
        platform_.waitForEvent(now + 1000);
      }
      start += platform_.tickMs() - now;
      continue;
    }
    if (timeoutMs != 0 && now - start >= timeoutMs) {
      timedOut = true;
      break;
    }
    if (windowCreated_ && platform_.peekEvent()) {
      const std::optional<platform::Event> event = platform_.getEvent();
      if (!event) continue;
      HandleEvent(*event);
      if (event->type != platform::EventType::Paint) continue;
    }
    if (now >= lastFrameTime_ + kFrameMs) {
      lastFrameTime_ = now;
      frameTime_ = now;
      form->Update();
      rootForm_->Paint(screen_->surface(), 0, 0, &screen_->bounds(), now);
      keyPointer_->Draw(screen_->surface());
      screen_->Present();
      ++framesDrawn_;
    }
    // Sleep until the next frame, an event or the time limit.
    std::uint32_t wake = lastFrameTime_ + kFrameMs;
    if (timeoutMs != 0 && start + timeoutMs < wake) wake = start + timeoutMs;
    platform_.waitForEvent(wake > platform_.tickMs() ? wake : platform_.tickMs());
  }

  int result = 0;
  if (!quit_ && !timedOut && !messageEscaped_) {
    result = util::parseInt(variables_->GetVariable(answerName).value_or("0"));
  }
  --messageDepth_;
  messageEscaped_ = outerEscaped;
  messageForm_ = outerMessage;
  if (leaveQuestion) --leaveQuestions_;
  rootForm_->DeleteControl(form);
  if (underneath != nullptr) underneath->enabled = underneathEnabled || outerMessage == nullptr;
  // The keys go back to the outer message, or to the screen that is current now: the one
  // underneath, unless the message's script switched screens.
  if (outerMessage != nullptr) {
    keyPointer_->Attach(outerMessage, 0, KeyPointer::Mode::FocusNavigation);
  } else {
    AttachKeyPointerTo(currentForm_);
  }
  return result;
}

}  // namespace app
