#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "tests/fuzz/window_action.h"

namespace fuzz {

// The "(x)" tag a problem report starts with: which invariant broke.
QString InvariantTag(const QString& problem);

// The number of actions after which a fresh window breaks the invariant tagged
// `tag`, or nothing when it holds throughout.
std::optional<std::size_t> Reproduce(const std::vector<Action>& actions, const QString& tag);

// Cuts a failing sequence down by dropping ever smaller chunks of it for as long
// as a fresh window still breaks the same invariant, within a time budget.
std::vector<Action> Minimise(std::vector<Action> actions, const QString& tag, double budgetSeconds);

}  // namespace fuzz
