#include "tests/fuzz/action_minimiser.h"

#include <chrono>

#include "tests/fuzz/fuzz_session.h"

namespace fuzz {

QString InvariantTag(const QString& problem) { return problem.left(3); }

std::optional<std::size_t> Reproduce(const std::vector<Action>& actions, const QString& tag) {
  FuzzSession session;
  if (!session.Start()) return std::nullopt;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    for (const QString& problem : session.Step(actions[i])) {
      if (InvariantTag(problem) == tag) return i + 1;
    }
  }
  return std::nullopt;
}

std::vector<Action> Minimise(std::vector<Action> actions, const QString& tag,
                             double budgetSeconds) {
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                            std::chrono::duration<double>(budgetSeconds));
  if (const auto length = Reproduce(actions, tag)) {
    actions.resize(*length);
  } else {
    return actions;  // does not fail again from a fresh window: keep it whole
  }
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t start = 0; start < actions.size();) {
      if (std::chrono::steady_clock::now() > deadline) return actions;
      std::vector<Action> candidate(actions.begin(), actions.begin() + static_cast<long>(start));
      const std::size_t end = std::min(actions.size(), start + chunk);
      candidate.insert(candidate.end(), actions.begin() + static_cast<long>(end), actions.end());
      if (const auto length = Reproduce(candidate, tag)) {
        candidate.resize(*length);
        actions = std::move(candidate);  // keep the cut, try the same place again
      } else {
        start += chunk;
      }
    }
  }
  return actions;
}

}  // namespace fuzz
