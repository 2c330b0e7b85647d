#include "ui/fonts.h"

#include <QStringList>

namespace ui {
namespace {

const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kUiGothic = QStringLiteral("MS UI Gothic");

// Japanese-capable sans faces that Debian ships, best match first.
const QStringList kJapaneseSans = {
    QStringLiteral("Noto Sans CJK JP"),    QStringLiteral("Noto Sans JP"),
    QStringLiteral("VL Gothic"),           QStringLiteral("TakaoGothic"),
    QStringLiteral("Droid Sans Fallback"),
};

}  // namespace

void RegisterFontSubstitutes() {
  // MS Gothic is fixed-pitch, MS UI Gothic proportional; IPAGothic and IPAPGothic
  // are their metric-compatible counterparts.
  QFont::insertSubstitutions(
      kGothic,
      QStringList{QStringLiteral("IPAGothic"), QStringLiteral("MS Gothic")} + kJapaneseSans);
  QFont::insertSubstitutions(kUiGothic, QStringList{QStringLiteral("IPAPGothic")} + kJapaneseSans);
}

QFont FontFor(FontRole role) {
  switch (role) {
    case FontRole::Company: {
      QFont font(kUiGothic);
      font.setPointSizeF(9.75);
      font.setBold(true);
      return font;
    }
    case FontRole::Equals: {
      QFont font(kGothic);
      font.setPointSizeF(15.75);
      return font;
    }
    case FontRole::Value: {
      QFont font(kGothic);
      font.setPointSizeF(9);
      font.setBold(true);
      return font;
    }
    case FontRole::Window:
      break;
  }
  QFont font(kGothic);
  font.setPointSizeF(9);
  return font;
}

}  // namespace ui
