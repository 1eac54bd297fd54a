// PlayerScene: what the application shell needs of the playable game scene: the actions bound
// to fixed keys on the game screen and the state the key pointer's cross-hair is drawn from.
#pragma once

namespace gui {
class Form;
}

namespace game {

class PlayerScene {
 public:
  virtual ~PlayerScene() = default;

  /// The form the scene sits on ("GameForm").
  virtual gui::Form* form() const = 0;

  /// True while a game is played (from its start until it is left or its result is in).
  virtual bool GameUnderWay() const { return false; }
  /// Leaves the running game, as the script function ExitGame does.
  virtual void ExitGame() = 0;
  /// Takes back the last turn, as the script function UndoLastTurn does.
  virtual void UndoLastTurn() = 0;
  /// Zooms in / out by step, as MagPlus / MagMinus do.
  virtual void MagPlus(float step) = 0;
  virtual void MagMinus(float step) = 0;

  /// Current zoom factor (1 = world pixels are screen pixels).
  virtual float zoom() const = 0;
  /// The cell radius chosen when the scene was set up, in world pixels.
  virtual int cellRadius() const = 0;
  /// True while a goo hovers under the pointer or is carried with the keys.
  virtual bool carriesGoo() const = 0;

  /// Ends a goo carried by the stylus or the keys (a message comes up, the game screen is
  /// left): the goo goes back among the free goos.
  virtual void EndCarry() {}

  /// Where the key pointer is (screen point) and whether it is shown, before each frame's
  /// update: the scene finds the goo under it.
  virtual void PointerMoved(bool visible, int x, int y) {
    (void)visible;
    (void)x;
    (void)y;
  }
};

}  // namespace game
