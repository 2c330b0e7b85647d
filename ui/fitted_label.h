#pragma once

#include <QFont>
#include <QLabel>
#include <QTextLayout>
#include <memory>

namespace ui {

// A label that draws a text wider than its text area (a long result such as "35996.4",
// a heading in a wide fallback face) condensed rather than cut, so no digit is hidden.
class FittedLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // The part of the label its text may use, clear of any grid line drawn across it.
  void SetTextArea(const QRect& area);
  QRect TextArea() const { return textArea_.isNull() ? contentsRect() : textArea_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Placed anew only when these change: laying the text out is most of what a paint costs.
  struct Inputs {
    QString text;
    QFont font;
    QRect contents;
    QRect area;
    Qt::Alignment alignment;
    qreal pixelRatio = 0;
    bool operator==(const Inputs&) const = default;
  };
  struct Placement {
    Inputs inputs;
    std::unique_ptr<QTextLayout> layout;  // one line, its baseline at the font's ascent
    // The painter's offset and horizontal scale; where the layout starts, scaled.
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
