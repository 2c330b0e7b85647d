#include "ui/fonts.h"

#include <QFontDatabase>
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

// Only an installed face is named: for one that is not, the toolkit would have
// fontconfig sort every font as a stand-in.
QString InstalledFace(const QString& family) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& face : QStringList{family} + QFont::substitutes(family)) {
    for (const QString& name : installed) {
      if (name.compare(face, Qt::CaseInsensitive) == 0) return name;
    }
  }
  return family;
}

QFont Face(const QString& family, qreal pointSize, bool bold = false) {
  QFont font(InstalledFace(family));
  font.setPointSizeF(pointSize);
  if (bold) font.setBold(true);
  return font;
}

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
    case FontRole::Company:
      return Face(kUiGothic, 9.75, true);
    case FontRole::Equals:
      return Face(kGothic, 15.75);
    case FontRole::Value:
      return Face(kGothic, 9, true);
    case FontRole::Window:
      break;
  }
  return Face(kGothic, 9);
}

}  // namespace ui
