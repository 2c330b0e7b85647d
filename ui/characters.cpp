#include "ui/characters.h"

namespace ui {
namespace {

qsizetype UnitsOfCharacterAt(QStringView text, qsizetype index) {
  return text[index].isHighSurrogate() && index + 1 < text.size() &&
                 text[index + 1].isLowSurrogate()
             ? 2
             : 1;
}

}  // namespace

qsizetype CharacterCount(QStringView text) {
  qsizetype count = 0;
  for (qsizetype i = 0; i < text.size(); i += UnitsOfCharacterAt(text, i)) ++count;
  return count;
}

QString CharacterPrefix(QStringView text, qsizetype count) {
  qsizetype end = 0;
  for (qsizetype n = 0; n < count && end < text.size(); ++n) end += UnitsOfCharacterAt(text, end);
  return text.first(end).toString();
}

QStringList Characters(QStringView text) {
  QStringList characters;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype units = UnitsOfCharacterAt(text, i);
    characters.append(text.mid(i, units).toString());
    i += units;
  }
  return characters;
}

}  // namespace ui
