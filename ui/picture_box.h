#pragma once

#include <QFrame>
#include <QPixmap>

namespace ui {

// A drawing surface that keeps what is painted into it: the picture is drawn once
// into a retained canvas, which is shown again whenever the box is uncovered.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void Clear();
  // Draws picture into target (logical pixels from the box's inner top-left
  // corner); what falls outside the box is clipped.
  void PaintPicture(const QPixmap& picture, const QPointF& target);
  const QImage& Canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage canvas_;
};

}  // namespace ui
