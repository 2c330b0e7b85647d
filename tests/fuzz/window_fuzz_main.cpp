// window_fuzz: random user actions on the real window, with the window's
// invariants checked after each one.
//
//   window_fuzz [ACTIONS [SEED]] [--ignore=LETTERS]
//
// Defaults: 20000 actions, seed 1. A run is fully determined by its seed. A
// third of every run goes under a dark desktop's palette: of each 3000 actions,
// the last 1000 run with that palette switched onto the live window, the others
// with the default light one, so the invariants (the whole-text one reading the
// pixels) hold in both. On a
// broken invariant the failing sequence is cut down on fresh windows and printed
// as a replay script (what the replay language cannot say is a "#" comment), and
// the exit status is 1. --ignore=ce keeps going past invariants (c) and (e), for
// looking further while a known defect is open: the first break of each is still
// cut down and printed, but does not fail the run.
#include <QApplication>
#include <QMap>
#include <QTextStream>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/frm_main.h"
#include "tests/fuzz/action_description.h"
#include "tests/fuzz/action_generator.h"
#include "tests/fuzz/action_minimiser.h"
#include "tests/fuzz/fuzz_session.h"
#include "tests/window/test_palettes.h"
#include "tools/harness/offscreen_application.h"

namespace {

using fuzz::Action;

constexpr double kMinimiseBudgetSeconds = 120;
// Light for two stretches, dark for the third.
constexpr long kPaletteStretch = 1000;
constexpr std::size_t kContextLines = 20;

struct Options {
  long actions = 20000;
  unsigned long long seed = 1;
  QString ignored;  // invariant letters
};

bool ParseOptions(const QStringList& arguments, Options& options) {
  int positional = 0;
  for (const QString& argument : arguments.mid(1)) {
    bool ok = true;
    if (argument.startsWith(QLatin1String("--ignore="))) {
      options.ignored = argument.mid(9);
    } else if (positional == 0) {
      options.actions = argument.toLong(&ok);
      ok = ok && options.actions >= 0;
      ++positional;
    } else if (positional == 1) {
      options.seed = argument.toULongLong(&ok);
      ++positional;
    } else {
      ok = false;
    }
    if (!ok) return false;
  }
  return true;
}

bool IsIgnored(const Options& options, const QString& problem) {
  const QString tag = fuzz::InvariantTag(problem);
  return tag.size() == 3 && options.ignored.contains(tag[1]);
}

void PrintActions(QTextStream& out, const std::vector<Action>& actions, std::size_t from) {
  for (std::size_t i = from; i < actions.size(); ++i) out << fuzz::Describe(actions[i]) << '\n';
}

// The sequence that led to the problem, cut down on fresh windows where the
// problem is not a matter of timing.
void PrintReproduction(QTextStream& out, std::vector<Action> log, const QString& problem) {
  out << "the last actions:\n";
  PrintActions(out, log, log.size() > kContextLines ? log.size() - kContextLines : 0);
  out.flush();
  const QString tag = fuzz::InvariantTag(problem);
  if (tag == QLatin1String("(d)")) return;  // a slow action need not be slow again
  const std::vector<Action> minimal = fuzz::Minimise(std::move(log), tag, kMinimiseBudgetSeconds);
  out << "cut down to " << minimal.size() << " actions on a fresh window:\n";
  PrintActions(out, minimal, 0);
  out.flush();
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns each time a message box shows; that says nothing
// about the window.
void DropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
  if (previousHandler != nullptr) {
    previousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

constexpr int kIgnoredExamples = 5;

struct IgnoredBreak {
  std::vector<Action> log;  // up to the first break
  QString problem;
  long count = 0;        // actions after which the invariant was broken
  QStringList examples;  // the first few breaks, with the action's number
  QString last;          // the break after the latest action
};

}  // namespace

int main(int argc, char* argv[]) {
  harness::OffscreenApplication application(argc, argv);
  previousHandler = qInstallMessageHandler(DropPlatformNoise);
  Options options;
  if (!ParseOptions(QCoreApplication::arguments(), options)) {
    std::fprintf(stderr, "usage: window_fuzz [ACTIONS [SEED]] [--ignore=LETTERS]\n");
    return 2;
  }
  QTextStream out(stdout);

  fuzz::FuzzSession session;
  if (!session.Start()) {
    std::fprintf(stderr, "window_fuzz: the window did not become active\n");
    return 2;
  }
  fuzz::ActionGenerator generator(options.seed);
  std::vector<Action> log;
  log.reserve(static_cast<std::size_t>(options.actions));
  QMap<QString, IgnoredBreak> ignored;  // by tag
  const QPalette light = QApplication::palette();
  const QPalette dark = testing_support::DarkPalette();
  long darkActions = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < options.actions; ++i) {
    const bool underDark = i / kPaletteStretch % 3 == 2;
    if (i % kPaletteStretch == 0) QApplication::setPalette(underDark ? dark : light);
    darkActions += underDark ? 1 : 0;
    log.push_back(generator.Next(session.Window()));
    for (const QString& problem : session.Step(log.back())) {
      if (!IsIgnored(options, problem)) {
        out << "window_fuzz: FAILED at action " << log.size() << " of " << options.actions
            << ", seed " << options.seed << ": " << problem << '\n';
        PrintReproduction(out, std::move(log), problem);
        return 1;
      }
      IgnoredBreak& seen = ignored[fuzz::InvariantTag(problem)];
      if (seen.count++ == 0) {
        seen.log = log;
        seen.problem = problem;
      }
      // A break that stays as it was is one break, not one per action.
      if (seen.examples.size() < kIgnoredExamples && problem != seen.last) {
        seen.examples.append(QStringLiteral("  after action %1: %2 [%3]")
                                 .arg(log.size())
                                 .arg(problem, fuzz::Describe(log.back()).left(100)));
      }
      seen.last = problem;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (const IgnoredBreak& seen : ignored) {
    out << "ignored: " << seen.problem << " (first after action " << seen.log.size()
        << ", broken after " << seen.count << " actions)\n"
        << seen.examples.join(QLatin1Char('\n')) << '\n';
    PrintReproduction(out, seen.log, seen.problem);
  }
  out << "message boxes answered: " << session.MessageBoxes()
      << ", actions on a disabled or missing control: " << session.SkippedActions()
      << ", window reactivated: " << session.Reactivations()
      << ", under the dark palette: " << darkActions
      << ", slowest action: " << QString::number(session.SlowestActionSeconds() * 1000, 'f', 1)
      << " ms (" << fuzz::Describe(session.SlowestAction()).left(100) << ")\n";
  out << "window_fuzz: " << options.actions << " actions, seed " << options.seed << ", "
      << QString::number(seconds, 'f', 1) << " s, ok\n";
  return 0;
}
