#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tools {

// One line of a replay script: ACTION [NAME [TEXT]]. TEXT is the rest of the line
// after the single space that follows NAME, taken as it stands.
struct ScriptLine {
  int number = 0;
  QString action;
  QString name;
  QString text;
};

// Blank lines and lines starting with "#" are skipped.
std::vector<ScriptLine> ParseScript(const QString& script);

}  // namespace tools
