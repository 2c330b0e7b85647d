#pragma once

#include <QFont>
#include <QLabel>
#include <optional>

#include "ui/simple_text.h"

namespace ui {

// A label that shows its whole text in its designed geometry: a text wider than
// the label's text area (a long result such as "35996.4", a heading in a wide
// fallback face) is drawn condensed rather than cut, so no digit is ever hidden.
class FittedLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // The part of the label its text may use, in the label's own coordinates: a
  // grid line drawn across the label keeps the text to its side of the line.
  void SetTextArea(const QRect& area);
  QRect TextArea() const { return textArea_.isNull() ? contentsRect() : textArea_; }

  // Sets the text as setText does, but repaints only the pixels the old and the
  // new text may touch: a result changes on every key, and repainting the whole
  // label would repaint the grid lines and the row title it touches as well.
  void ShowText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where and how the text is drawn, worked out once per text, font and geometry:
  // a result label is painted again whenever a neighbour or its frame is, and
  // shaping its text is most of what a paint costs.
  struct Placement {
    QString text;
    QFont font;
    QRect contents;
    QRect area;
    Qt::Alignment alignment;
    qreal pixelRatio = 0;

    bool asLabel = true;  // drawn where the label itself puts it
    QRect ink;            // the pixels the text may touch
    // A value drawn where the label puts it, set without the general layout.
    std::optional<SimpleText> simple;
    // Condensed or moved: the painter's offset and horizontal scale, and where
    // the text starts in the scaled coordinates.
    QPointF offset;
    qreal scale = 1;
    QPointF start;
  };

  const Placement& CurrentPlacement();
  void Place(Placement& placement) const;
  // Whether the label puts its text where a simply set text can follow it.
  bool PlainlyPlaced(Qt::Alignment alignment) const;
  void DrawSimply(const SimpleText& simple);

  QRect textArea_;  // null: the whole contents rectangle
  Placement placement_;
};

}  // namespace ui
