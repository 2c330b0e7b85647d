#pragma once

#include <QGroupBox>

namespace ui {

// A frame (group box) that leaves its caption out when the part painted again
// holds none of it: a frame is painted again under every result label inside it
// that changes, and drawing the caption means laying its text out anew.
class FrameBox : public QGroupBox {
  Q_OBJECT

 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
