#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "tests/fuzz/message_box_closer.h"
#include "tests/fuzz/window_action.h"
#include "tests/fuzz/window_invariants.h"

namespace app {
class FrmMain;
}

namespace fuzz {

// How long one action may take before the window counts as hung.
inline constexpr double kActionTimeLimitSeconds = 2.0;

// A fresh window, shown and active as the program shows it, the invariants
// watched over it, and message boxes answered OK. One session runs one sequence of
// actions.
class FuzzSession {
 public:
  FuzzSession();
  ~FuzzSession();
  FuzzSession(const FuzzSession&) = delete;
  FuzzSession& operator=(const FuzzSession&) = delete;

  // False when the window did not become active.
  bool Start();

  // Carries out the action, lets the window handle what it queued, and checks the
  // invariants and the time taken: one line for each thing that went wrong.
  QStringList Step(const Action& action);

  app::FrmMain& Window() { return *window_; }
  double SlowestActionSeconds() const { return slowest_; }
  const Action& SlowestAction() const { return slowestAction_; }
  int SkippedActions() const { return skipped_; }
  int Reactivations() const { return reactivations_; }
  int MessageBoxes() const { return closer_.Closed(); }

 private:
  MessageBoxCloser closer_;
  std::unique_ptr<app::FrmMain> window_;
  std::unique_ptr<WindowInvariants> invariants_;
  double slowest_ = 0;
  Action slowestAction_;
  int skipped_ = 0;
  int reactivations_ = 0;
};

}  // namespace fuzz
