#include "ui/fitted_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

#include "ui/contrast_colours.h"

namespace ui {
namespace {

// Room left at either side of the text: hinted glyphs on a dense screen come out
// a little wider or narrower than their advances say.
constexpr int kSlack = 2;

}  // namespace

void FittedLabel::SetTextArea(const QRect& area) {
  textArea_ = area;
  update();
}

const FittedLabel::Placement& FittedLabel::CurrentPlacement() {
  Placement& p = placement_;
  const QString caption = text();
  const qreal ratio = devicePixelRatioF();
  if (p.pixelRatio != ratio || p.text != caption || p.contents != contentsRect() ||
      p.area != TextArea() || p.alignment != alignment() || p.font != font()) {
    p.text = caption;
    p.font = font();
    p.contents = contentsRect();
    p.area = TextArea();
    p.alignment = alignment();
    p.pixelRatio = ratio;
    Place(p);
  }
  return p;
}

bool FittedLabel::PlainlyPlaced(Qt::Alignment alignment) const {
  const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
  return (alignment & Qt::AlignVertical_Mask) == Qt::AlignTop &&
         (horizontal == Qt::AlignLeft || horizontal == Qt::AlignHCenter) && margin() == 0 &&
         indent() <= 0 && frameWidth() == 0 && layoutDirection() == Qt::LeftToRight;
}

void FittedLabel::Place(Placement& p) const {
  p.layout = std::make_unique<QTextLayout>(p.text, p.font, this);
  p.layout->setCacheEnabled(true);  // keeps the shaped text for the paints
  p.layout->beginLayout();
  QTextLine line = p.layout->createLine();
  if (line.isValid()) line.setNumColumns(int(p.text.size()));
  p.layout->endLayout();
  const qreal advance = line.isValid() ? line.naturalTextWidth() : 0;
  // A bold glyph may draw a little beyond its advance, and on a dense screen the
  // hinted glyphs come out a little wider or narrower: the text needs the width of
  // its ink as well as its advance, with slack at either side. The ink reaches
  // past the advance only at the text's ends.
  const QFontMetricsF metrics(p.font, this);
  const qreal inkLeft =
      p.text.isEmpty() ? 0 : std::min<qreal>(0, metrics.leftBearing(p.text.front()));
  const qreal inkRight = p.text.isEmpty() ? 0 : advance - metrics.rightBearing(p.text.back());
  const qreal width = std::max(advance, inkRight) - inkLeft;
  const Qt::Alignment horizontal = p.alignment & Qt::AlignHorizontal_Mask;
  // Where the label itself would put the text: left alone while that is inside
  // the text area, so that short values stand exactly as they always have.
  const bool leftAligned = horizontal == Qt::AlignLeft;
  const QRect natural =
      QStyle::alignedRect(layoutDirection(), horizontal,
                          QSize(int(std::ceil(width)), p.area.height()), p.contents)
          .adjusted(leftAligned ? 0 : -kSlack, 0, kSlack, 0);
  p.asLabel =
      p.text.isEmpty() || (natural.left() >= p.area.left() && natural.right() <= p.area.right());
  p.scale = 1;
  if (p.asLabel) {
    // As the label puts it: at the top of the contents, at their left or with
    // the advance centred.
    p.offset = p.contents.topLeft();
    p.start = QPointF(leftAligned ? 0 : (p.contents.width() - advance) / 2, 0);
    if (!PlainlyPlaced(p.alignment)) p.layout.reset();
    return;
  }
  const QRectF room = QRectF(p.area).adjusted(kSlack, 0, -kSlack, 0);
  p.offset = QPointF(room.left(), p.area.top());
  if (width <= room.width()) {
    if (!leftAligned) p.offset.rx() += (room.width() - width) / 2;
  } else {
    p.scale = room.width() / width;
  }
  p.start = QPointF(-inkLeft, 0);
}

void FittedLabel::paintEvent(QPaintEvent* event) {
  const Placement& p = CurrentPlacement();
  if (p.text.isEmpty()) return;
  if (!p.layout) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.translate(p.offset);
  if (p.scale != 1) painter.scale(p.scale, 1.0);
  // In the colour group of the label's state, as the style draws a label's text,
  // greyed so that it shows as greyed in every palette.
  QStyleOption option;
  option.initFrom(this);
  const QBrush ink =
      isEnabled() ? option.palette.brush(foregroundRole()) : QBrush(GreyedText(option.palette));
  painter.setPen(QPen(ink, painter.pen().widthF()));
  p.layout->draw(&painter, p.start);
}

}  // namespace ui
