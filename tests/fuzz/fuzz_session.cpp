#include "tests/fuzz/fuzz_session.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <chrono>

#include "app/frm_main.h"
#include "tools/harness/window_driver.h"

namespace fuzz {

FuzzSession::FuzzSession()
    : window_(std::make_unique<app::FrmMain>()),
      invariants_(std::make_unique<WindowInvariants>(*window_)) {}

FuzzSession::~FuzzSession() = default;

bool FuzzSession::Start() {
  // A paste must not depend on what an earlier session left on the clipboard.
  QGuiApplication::clipboard()->clear();
  return harness::ShowActive(*window_);
}

QStringList FuzzSession::Step(const Action& action) {
  invariants_->Before(action);
  const int boxesBefore = closer_.Closed();
  const auto start = std::chrono::steady_clock::now();
  if (!Execute(*window_, action)) ++skipped_;
  QCoreApplication::processEvents();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (seconds > slowest_) {
    slowest_ = seconds;
    slowestAction_ = action;
  }
  // A message box takes the activation while it is up; a desktop gives it back to
  // the window once the box closes, before the user does anything else.
  if (QApplication::activeWindow() != window_.get()) {
    ++reactivations_;
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) {
      return {QStringLiteral("(w) the window does not become active again")};
    }
  }
  QStringList problems = invariants_->Check();
  if (seconds > kActionTimeLimitSeconds) {
    problems.append(QStringLiteral("(d) the action took %1 s, %2 message boxes answered in it")
                        .arg(seconds, 0, 'f', 3)
                        .arg(closer_.Closed() - boxesBefore));
  }
  return problems;
}

}  // namespace fuzz
