#pragma once

#include <QLabel>

namespace ui {

// A label that shows its whole text in its designed width: a text wider than the
// label (a long result such as "12345.6", a heading in a wide fallback face) is
// drawn condensed rather than cut, so no digit is ever hidden.
class FittedLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
