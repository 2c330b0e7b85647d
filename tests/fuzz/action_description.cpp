#include "tests/fuzz/action_description.h"

#include <QKeySequence>

#include "tools/harness/keys.h"

namespace fuzz {
namespace {

// One printable character, possibly outside the basic plane: a script line can
// carry it.
bool IsPrintableCharacter(const QString& text) {
  if (text.size() == 1) return !text.front().isSurrogate() && text.front().isPrint();
  return text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate() &&
         QChar::isPrint(QChar::surrogateToUcs4(text[0], text[1]));
}

bool IsPrintableLine(const QString& text) {
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    if (!IsPrintableCharacter(text.mid(i, units))) return false;
    i += units;
  }
  return true;
}

QString Quoted(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    const char16_t unit = c.unicode();
    if (unit == u'\\' || unit == u'"') {
      out += QLatin1Char('\\') + c;
    } else if (unit >= 0x20 && unit < 0x7f) {
      out += c;
    } else if (unit < 0x100) {
      out += QStringLiteral("\\x%1").arg(uint{unit}, 2, 16, QLatin1Char('0'));
    } else {
      out += QStringLiteral("\\u%1").arg(uint{unit}, 4, 16, QLatin1Char('0'));
    }
  }
  return out + QLatin1Char('"');
}

QString KeyName(const Action& action) {
  if (action.key == Qt::Key_unknown) return QStringLiteral("unknown-key");
  const QKeyCombination combination(action.modifiers, static_cast<Qt::Key>(action.key));
  return QKeySequence(combination).toString(QKeySequence::PortableText);
}

QString DescribeKey(const Action& action) {
  if (action.modifiers == Qt::NoModifier) {
    for (const harness::NamedKey& named : harness::NamedKeys()) {
      if (action.key == named.key && action.text == QLatin1String(named.text)) {
        return QStringLiteral("key %1 %2").arg(action.target, QLatin1String(named.name));
      }
    }
    if (IsPrintableCharacter(action.text) && action.key == harness::KeyOfCharacter(action.text)) {
      return QStringLiteral("key %1 %2").arg(action.target, action.text);
    }
  }
  return QStringLiteral("# key %1 %2 text %3")
      .arg(action.target, KeyName(action), Quoted(action.text));
}

}  // namespace

QString Describe(const Action& action) {
  switch (action.kind) {
    case ActionKind::Key:
      return DescribeKey(action);
    case ActionKind::Compose:
      return QStringLiteral("# input method commits %1 into %2")
          .arg(Quoted(action.text), action.target);
    case ActionKind::Paste:
      if (IsPrintableLine(action.text)) {
        return QStringLiteral("set %1 %2").arg(action.target, action.text);
      }
      return QStringLiteral("# set %1 %2").arg(action.target, Quoted(action.text));
    case ActionKind::Focus:
      return QStringLiteral("focus %1").arg(action.target);
    case ActionKind::MouseFocus:
      return QStringLiteral("# mouse click into %1").arg(action.target);
    case ActionKind::Click:
      return QStringLiteral("click %1").arg(action.target);
    case ActionKind::Select:
      return QStringLiteral("select %1 %2").arg(action.target, action.text);
    case ActionKind::Clipboard:
      return QStringLiteral("# clipboard set to %1").arg(Quoted(action.text));
  }
  return {};
}

}  // namespace fuzz
