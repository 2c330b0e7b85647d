#pragma once

#include <QFrame>
#include <QPixmap>

namespace ui {

// A drawing surface that keeps what is painted into it, shown again whenever uncovered.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void Clear();
  // At `target`, logical pixels from the box's inner top-left; what falls outside is clipped.
  void PaintPicture(const QPixmap& picture, const QPointF& target);
  const QImage& Canvas() const { return canvas_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage canvas_;
};

}  // namespace ui
