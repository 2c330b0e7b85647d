#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace ui {

// Texts counted and cut in characters (code points), never splitting a surrogate
// pair: the length rules count what the user sees as one character.
qsizetype CharacterCount(QStringView text);
QString CharacterPrefix(QStringView text, qsizetype count);
QStringList Characters(QStringView text);

}  // namespace ui
