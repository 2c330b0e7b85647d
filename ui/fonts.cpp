#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

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

// Every character the window writes: its captions, values and catalogue are
// printable ASCII, and some captions are padded with ideographic spaces.
const QString& WindowsCharacters() {
  static const QString characters = [] {
    QString all = QStringLiteral("\u3000");
    for (char16_t c = 0x20; c < 0x7f; ++c) all += QChar(c);
    return all;
  }();
  return characters;
}

// The face asked for by name: the designed one where it is installed, else the
// first of its substitutes that is. Asked for a face that is not installed, the
// toolkit first has fontconfig sort every font as a stand-in for it.
QString InstalledFace(const QString& family) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& face : QStringList{family} + QFont::substitutes(family)) {
    const auto found = std::find_if(
        installed.begin(), installed.end(),
        [&face](const QString& name) { return name.compare(face, Qt::CaseInsensitive) == 0; });
    if (found != installed.end()) return *found;
  }
  return family;
}

QFont Face(const QString& family, qreal pointSize, bool bold = false) {
  QFont font(InstalledFace(family));
  font.setPointSizeF(pointSize);
  if (bold) font.setBold(true);
  // A face that has all the window writes needs none of the toolkit's fallback
  // fonts, and working out their list for each face was a large part of the
  // first frame. Where the face found lacks some character (none of the faces
  // the package depends on is installed), the fallbacks stay.
  font.setStyleStrategy(QFont::NoFontMerging);
  if (!FaceHasEvery(font, WindowsCharacters())) font.setStyleStrategy(QFont::PreferDefault);
  return font;
}

}  // namespace

bool FaceHasEvery(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  const QList<uint> characters = text.toUcs4();
  return std::all_of(characters.begin(), characters.end(),
                     [&metrics](uint c) { return metrics.inFontUcs4(c); });
}

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
