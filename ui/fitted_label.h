#pragma once

#include <QLabel>

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
  void SetTextArea(const QRect& area) { textArea_ = area; }
  QRect TextArea() const { return textArea_.isNull() ? contentsRect() : textArea_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect textArea_;  // null: the whole contents rectangle
};

}  // namespace ui
