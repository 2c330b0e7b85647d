#include "ui/simple_text.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace ui {
namespace {

// The characters a result value is made of.
const QString& Alphabet() {
  static const QString alphabet = QStringLiteral("0123456789.-");
  return alphabet;
}

bool InAlphabet(const QString& text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return Alphabet().contains(c); });
}

// Every ordered pair of the alphabet's characters, each once.
QString AllPairs() {
  QString pairs;
  for (const QChar first : Alphabet()) {
    for (const QChar second : Alphabet()) pairs += QString(first) + second;
  }
  return pairs;
}

struct Setting : SimpleMeasure {
  std::vector<quint32> glyphs;
  std::vector<QPointF> positions;
};

std::optional<Setting> FromFont(const QRawFont& raw, const QString& text) {
  Setting setting;
  setting.glyphs.resize(std::size_t(text.size()));
  int count = int(text.size());
  if (!raw.glyphIndexesForChars(text.constData(), count, setting.glyphs.data(), &count) ||
      count != text.size() || std::count(setting.glyphs.begin(), setting.glyphs.end(), 0u) > 0) {
    return std::nullopt;
  }
  std::vector<QPointF> advances(setting.glyphs.size());
  if (!raw.advancesForGlyphIndexes(setting.glyphs.data(), advances.data(), count)) {
    return std::nullopt;
  }
  // Sums of whole 64ths of a pixel, as the text engine's fixed-point values: exact.
  qreal x = 0;
  for (int i = 0; i < count; ++i) {
    setting.positions.emplace_back(x, 0);
    const QRectF box = raw.boundingRect(setting.glyphs[std::size_t(i)]);
    setting.inkLeft = std::min(setting.inkLeft, x + box.left());
    setting.inkRight = std::max(setting.inkRight, x + box.right());
    setting.inkTop = std::min(setting.inkTop, box.top());
    setting.inkBottom = std::max(setting.inkBottom, box.bottom());
    x += advances[std::size_t(i)].x();
  }
  setting.advance = x;
  return setting;
}

// Whether the font sets the alphabet simply: every pair of its characters comes
// out of the general layout with the font's own glyphs at the sums of their
// advances, and measures as the font's glyph boxes say.
bool SetsSimply(const QFont& font, const QRawFont& raw) {
  if (!raw.isValid() || font.underline() || font.overline() || font.strikeOut()) return false;
  const QString pairs = AllPairs();
  const std::optional<Setting> simple = FromFont(raw, pairs);
  if (!simple) return false;
  QTextLayout layout(pairs, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  if (runs.size() != 1 || runs.front().rawFont() != raw) return false;
  const QList<quint32> glyphs = runs.front().glyphIndexes();
  const QList<QPointF> positions = runs.front().positions();
  if (glyphs.size() != qsizetype(simple->glyphs.size())) return false;
  // The label puts the baseline at the font's ascent below the top.
  const qreal baseline = raw.ascent();
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    if (glyphs[i] != simple->glyphs[std::size_t(i)] ||
        positions[i] - QPointF(0, baseline) != simple->positions[std::size_t(i)]) {
      return false;
    }
  }
  const QFontMetricsF metrics(font);
  const QRectF ink = metrics.boundingRect(pairs);
  return metrics.horizontalAdvance(pairs) == simple->advance && ink.left() == simple->inkLeft &&
         ink.right() == simple->inkRight;
}

struct KnownFont {
  QFont font;
  QRawFont raw;
  bool simple = false;
};

// The font as drawn, if it sets values simply. Equal fonts may differ in size on
// devices of different resolutions, so the drawn size is part of the key.
std::optional<QRawFont> SimpleRawFont(const QFont& font) {
  static std::vector<KnownFont> known;
  const QRawFont raw = QRawFont::fromFont(font);
  for (const KnownFont& entry : known) {
    if (entry.font == font && entry.raw.pixelSize() == raw.pixelSize()) {
      return entry.simple ? std::optional<QRawFont>(entry.raw) : std::nullopt;
    }
  }
  // The window has a handful of faces; more than this means fonts are changing.
  constexpr std::size_t kMostFonts = 16;
  if (known.size() >= kMostFonts) known.clear();
  known.push_back({font, raw, SetsSimply(font, raw)});
  return known.back().simple ? std::optional<QRawFont>(raw) : std::nullopt;
}

}  // namespace

std::optional<SimpleText> SetSimply(const QString& text, const QFont& font) {
  if (!InAlphabet(text)) return std::nullopt;
  const std::optional<QRawFont> raw = SimpleRawFont(font);
  if (!raw) return std::nullopt;
  std::optional<Setting> setting = FromFont(*raw, text);
  if (!setting) return std::nullopt;
  SimpleText simple;
  simple.glyphs.setRawFont(*raw);
  simple.glyphs.setGlyphIndexes(QList<quint32>(setting->glyphs.begin(), setting->glyphs.end()));
  simple.glyphs.setPositions(QList<QPointF>(setting->positions.begin(), setting->positions.end()));
  static_cast<SimpleMeasure&>(simple) = *setting;
  return simple;
}

}  // namespace ui
