#include "tools/replay/script.h"

namespace tools {

std::vector<ScriptLine> ParseScript(const QString& script) {
  std::vector<ScriptLine> lines;
  const QStringList rawLines = script.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < rawLines.size(); ++i) {
    const QString& raw = rawLines[i];
    if (raw.trimmed().isEmpty() || raw.startsWith(QLatin1Char('#'))) continue;
    ScriptLine line;
    line.number = static_cast<int>(i + 1);
    const qsizetype afterAction = raw.indexOf(QLatin1Char(' '));
    line.action = raw.left(afterAction);
    if (afterAction >= 0) {
      const QString rest = raw.mid(afterAction + 1);
      const qsizetype afterName = rest.indexOf(QLatin1Char(' '));
      line.name = rest.left(afterName);
      if (afterName >= 0) line.text = rest.mid(afterName + 1);
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace tools
