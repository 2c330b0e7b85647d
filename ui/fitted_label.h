#pragma once

#include <QFont>
#include <QLabel>
#include <QTextLayout>
#include <memory>

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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Where and how the text is drawn, worked out once per text, font and
  // geometry: the text is laid out once, measured from that layout and drawn
  // from it, where laying it out is most of what a paint costs.
  struct Placement {
    QString text;
    QFont font;
    QRect contents;
    QRect area;
    Qt::Alignment alignment;
    qreal pixelRatio = 0;

    std::unique_ptr<QTextLayout> layout;  // one line, its baseline at the font's ascent
    bool asLabel = true;                  // where the label itself would put it
    // The painter's offset and horizontal scale, and where the layout starts in
    // the scaled coordinates.
    QPointF offset;
    qreal scale = 1;
    QPointF start;
  };

  const Placement& CurrentPlacement();
  void Place(Placement& placement) const;
  // Whether the label puts its text where the layout alone can follow it.
  bool PlainlyPlaced(Qt::Alignment alignment) const;

  QRect textArea_;  // null: the whole contents rectangle
  Placement placement_;
};

}  // namespace ui
