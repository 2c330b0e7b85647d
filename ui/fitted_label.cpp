#include "ui/fitted_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

#include "ui/window_style.h"

namespace ui {
namespace {

// Room at either side: hinted glyphs on a dense screen stray a little from their advances.
constexpr int kSlack = 2;

}  // namespace

void FittedLabel::SetTextArea(const QRect& area) {
  textArea_ = area;
  update();
}

const FittedLabel::Placement& FittedLabel::CurrentPlacement() {
  Inputs inputs{text(), font(), contentsRect(), TextArea(), alignment(), devicePixelRatioF()};
  if (inputs != placement_.inputs) {
    placement_.inputs = std::move(inputs);
    Place(placement_);
  }
  return placement_;
}

bool FittedLabel::PlainlyPlaced(Qt::Alignment alignment) const {
  const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
  return (alignment & Qt::AlignVertical_Mask) == Qt::AlignTop &&
         (horizontal == Qt::AlignLeft || horizontal == Qt::AlignHCenter) && margin() == 0 &&
         indent() <= 0 && frameWidth() == 0 && layoutDirection() == Qt::LeftToRight;
}

void FittedLabel::Place(Placement& p) const {
  const Inputs& in = p.inputs;
  p.layout = std::make_unique<QTextLayout>(in.text, in.font, this);
  p.layout->setCacheEnabled(true);  // keeps the shaped text for the paints
  p.layout->beginLayout();
  QTextLine line = p.layout->createLine();
  if (line.isValid()) line.setNumColumns(int(in.text.size()));
  p.layout->endLayout();
  const qreal advance = line.isValid() ? line.naturalTextWidth() : 0;
  // A bold glyph may draw beyond its advance: the text needs the width of its ink as
  // well, which reaches past the advance only at the text's ends.
  const QFontMetricsF metrics(in.font, this);
  const qreal inkLeft =
      in.text.isEmpty() ? 0 : std::min<qreal>(0, metrics.leftBearing(in.text.front()));
  const qreal inkRight = in.text.isEmpty() ? 0 : advance - metrics.rightBearing(in.text.back());
  const qreal width = std::max(advance, inkRight) - inkLeft;
  const Qt::Alignment horizontal = in.alignment & Qt::AlignHorizontal_Mask;
  // Where the label itself would put the text, kept while inside the text area so
  // that short values stand as they always have.
  const bool leftAligned = horizontal == Qt::AlignLeft;
  const QRect natural =
      QStyle::alignedRect(layoutDirection(), horizontal,
                          QSize(int(std::ceil(width)), in.area.height()), in.contents)
          .adjusted(leftAligned ? 0 : -kSlack, 0, kSlack, 0);
  p.scale = 1;
  if (in.text.isEmpty() ||
      (natural.left() >= in.area.left() && natural.right() <= in.area.right())) {
    // At the top of the contents, at their left or with the advance centred.
    p.offset = in.contents.topLeft();
    p.start = QPointF(leftAligned ? 0 : (in.contents.width() - advance) / 2, 0);
    if (!PlainlyPlaced(in.alignment)) p.layout.reset();
    return;
  }
  const QRectF room = QRectF(in.area).adjusted(kSlack, 0, -kSlack, 0);
  p.offset = QPointF(room.left(), in.area.top());
  if (width <= room.width()) {
    if (!leftAligned) p.offset.rx() += (room.width() - width) / 2;
  } else {
    p.scale = room.width() / width;
  }
  p.start = QPointF(-inkLeft, 0);
}

void FittedLabel::paintEvent(QPaintEvent* event) {
  const Placement& p = CurrentPlacement();
  if (p.inputs.text.isEmpty()) return;
  if (!p.layout) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.translate(p.offset);
  if (p.scale != 1) painter.scale(p.scale, 1.0);
  // As the style draws a label's text, greyed so that it shows greyed in every palette.
  QStyleOption option;
  option.initFrom(this);
  const QBrush ink =
      isEnabled() ? option.palette.brush(foregroundRole()) : QBrush(GreyedText(option.palette));
  painter.setPen(QPen(ink, painter.pen().widthF()));
  p.layout->draw(&painter, p.start);
}

}  // namespace ui
