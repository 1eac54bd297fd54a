// NestingBudget: bounds how deeply script activity may nest on the one thread, so that a
// recursive script, a cycle of scripts calling each other through natives, or a deeply
// parenthesised expression fails like a bad statement instead of exhausting the machine stack.
// It also bounds the passes of while loops in one outermost run, so that an endless loop in an
// event handler fails after about a second of work instead of freezing the game for good.
//
// Two counters: runs of script functions (every CallFunction, nested or not) and levels
// (runs plus nested blocks and expressions inside them). Whichever limit is crossed, the budget
// is marked overflowed: every run that is active then fails as well, so the whole chain unwinds
// to the outermost run, which alone shows the error box; the cause is reported once. The
// engine clears the mark when the outermost run has ended.
#pragma once

namespace script {

class NestingBudget {
 public:
  static constexpr int kMaxRuns = 200;
  static constexpr int kMaxLevels = 1000;
  static constexpr long kMaxLoopPasses = 1000000;

  /// Enters a run; false (and the budget overflows) when kMaxRuns are active already or an
  /// overflow is being unwound.
  bool enterRun() {
    if (overflowed_ || runs_ >= kMaxRuns || levels_ >= kMaxLevels) {
      overflowed_ = true;
      return false;
    }
    ++runs_;
    ++levels_;
    return true;
  }
  void leaveRun() {
    --runs_;
    --levels_;
  }

  /// Enters a nested block or expression; false (and the budget overflows) past kMaxLevels.
  bool enterLevel() {
    if (overflowed_ || levels_ >= kMaxLevels) {
      overflowed_ = true;
      return false;
    }
    ++levels_;
    return true;
  }
  void leaveLevel() { --levels_; }

  /// Counts one more pass of a while loop; false (and the budget overflows) past
  /// kMaxLoopPasses passes since the outermost run began.
  bool countLoopPass() {
    if (overflowed_ || ++loopPasses_ > kMaxLoopPasses) {
      overflowed_ = true;
      return false;
    }
    return true;
  }

  bool overflowed() const { return overflowed_; }
  int activeRuns() const { return runs_; }

  /// Whether the cause of the current overflow has been reported already.
  bool overflowReported() const { return reported_; }
  void markOverflowReported() { reported_ = true; }
  /// Called when the outermost run has ended: the next run starts with the whole budget.
  void clearOverflow() {
    overflowed_ = false;
    reported_ = false;
    loopPasses_ = 0;
  }

 private:
  int runs_ = 0;
  int levels_ = 0;
  long loopPasses_ = 0;
  bool overflowed_ = false;
  bool reported_ = false;
};

}  // namespace script
