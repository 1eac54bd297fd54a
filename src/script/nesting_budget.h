// NestingBudget: bounds how deeply script activity may nest on the one thread, so that a
// recursive script, a cycle of scripts calling each other through natives, or a deeply
// parenthesised expression fails like a bad statement instead of exhausting the machine stack.
// It also bounds the work of one outermost run (passes of while loops and runs of script
// functions), so that an endless loop or a recursion that branches out in an event handler
// fails after about a second of work instead of freezing the game for good.
//
// Two counters of depth: runs of script functions (every CallFunction, nested or not) and
// levels (runs plus nested blocks and expressions inside them). Going deeper than either fails
// only the innermost run, like any other failing statement: its caller goes on with "0". The
// fault is reported (and boxed) once per outermost run, so a recursion that keeps hitting the
// bound costs the player one message. Past the work bound the budget is marked overflowed:
// every run that is active then fails as well, so the whole chain unwinds to the outermost
// run; the engine clears the mark when the outermost run has ended.
#pragma once

namespace script {

class NestingBudget {
 public:
  // Measured: running into both bounds takes between 512 KB and 1 MB of the machine stack in an
  // optimised build; the sanitizers' frames are several times larger, so these bounds are what
  // the 8 MB main-thread stack holds with a safe margin.
  static constexpr int kMaxRuns = 200;
  static constexpr int kMaxLevels = 1000;
  static constexpr long kMaxLoopPasses = 1000000;
  /// A run of a function counts as this many loop passes towards the work bound.
  static constexpr long kRunCost = 4;

  /// Enters a run; false when kMaxRuns are active already (the run fails, its caller goes
  /// on), or when the work bound is passed or being unwound (overflowed() tells which).
  bool enterRun() {
    if (overflowed_) return false;
    if (runs_ >= kMaxRuns || levels_ >= kMaxLevels) return false;
    loopPasses_ += kRunCost;
    if (loopPasses_ > kMaxLoopPasses) {
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

  /// Enters a nested block or expression; false past kMaxLevels or while unwinding.
  bool enterLevel() {
    if (overflowed_ || levels_ >= kMaxLevels) return false;
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
  /// Whether a run too deep has been reported (and boxed) in this outermost run.
  bool depthReported() const { return depthReported_; }
  void markDepthReported() { depthReported_ = true; }
  /// Called when the outermost run has ended: the next run starts with the whole budget.
  void clearOverflow() {
    overflowed_ = false;
    reported_ = false;
    depthReported_ = false;
    loopPasses_ = 0;
  }

 private:
  int runs_ = 0;
  int levels_ = 0;
  long loopPasses_ = 0;
  bool overflowed_ = false;
  bool reported_ = false;
  bool depthReported_ = false;
};

}  // namespace script
