#include "tests/window/whole_text.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cstdlib>

namespace testing_support {
namespace {

// Columns, in logical pixels of the control, that hold ink: pixels of the
// control's rendering that stand out from the same control without its text.
struct Ink {
  int left = -1;
  int right = -1;
  bool Any() const { return left >= 0; }
};

bool StandsOut(QRgb pixel, QRgb without) {
  return std::abs(qRed(pixel) - qRed(without)) + std::abs(qGreen(pixel) - qGreen(without)) +
             std::abs(qBlue(pixel) - qBlue(without)) >
         96;
}

Ink InkColumns(const QPixmap& shown, const QImage& without, const QRect& within) {
  const QImage image = shown.toImage();
  const qreal ratio = shown.devicePixelRatio();
  Ink ink;
  for (int x = 0; x < image.width(); ++x) {
    const int column = int(x / ratio);
    if (column < within.left() || column > within.right()) continue;
    for (int y = 0; y < image.height(); ++y) {
      if (!StandsOut(image.pixel(x, y), without.pixel(x, y))) continue;
      if (ink.left < 0) ink.left = column;
      ink.right = column;
      break;
    }
  }
  return ink;
}

// The field as it looks without a text: its frame and background.
QImage EmptyField(const QLineEdit& field) {
  QLineEdit probe;
  probe.setFrame(field.hasFrame());
  probe.setReadOnly(field.isReadOnly());
  probe.setEnabled(field.isEnabled());
  probe.setPalette(field.palette());
  probe.setFont(field.font());
  probe.resize(field.size());
  return probe.grab().toImage();
}

// Where the field clips its text.
QRect ClipArea(const QLineEdit& field) {
  QStyleOptionFrame option;
  option.initFrom(&field);
  option.lineWidth = field.hasFrame()
                         ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
  return field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
}

QString Name(const QWidget& control) {
  return control.objectName() + QStringLiteral(" \"") +
         (qobject_cast<const QLabel*>(&control) != nullptr
              ? static_cast<const QLabel&>(control).text()
              : static_cast<const QLineEdit&>(control).text()) +
         QLatin1Char('"');
}

}  // namespace

QString WholeTextProblem(QWidget& control, const QList<const QWidget*>& lines) {
  if (!control.isVisible()) return {};
  const QPixmap shown = control.grab();
  QString text;
  QRect within = control.rect();
  QImage without;
  bool mayTouchLeft = false;
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    text = label->text();
    without = QImage(shown.size(), QImage::Format_ARGB32);
    without.fill(label->palette().color(label->backgroundRole()));
    mayTouchLeft = (label->alignment() & Qt::AlignLeft) != 0;
  } else if (auto* field = qobject_cast<QLineEdit*>(&control)) {
    text = field->text();
    without = EmptyField(*field);
    within = ClipArea(*field);
  } else {
    return {};
  }
  if (text.trimmed().isEmpty()) return {};
  if (without.size() != shown.size()) return Name(control) + QStringLiteral(" cannot be read");
  const Ink ink = InkColumns(shown, without, within);
  if (!ink.Any()) {
    // Format characters (joiners, marks) draw nothing by themselves.
    const bool visible = std::any_of(text.begin(), text.end(), [](QChar c) {
      return (c.isPrint() && !c.isSpace()) || c.isSurrogate();
    });
    return visible ? Name(control) + QStringLiteral(" shows nothing") : QString();
  }
  if ((!mayTouchLeft && ink.left <= within.left()) || ink.right >= within.right()) {
    return Name(control) + QStringLiteral(" is cut at its edge (ink %1 to %2 in %3 to %4)")
                               .arg(ink.left)
                               .arg(ink.right)
                               .arg(within.left())
                               .arg(within.right());
  }
  // A condensed text is condensed no more than it must be: it fills most of its
  // room. Measured by its advance, since wide glyphs keep wide side bearings.
  const int stretch = control.font().stretch();
  if (auto* field = qobject_cast<QLineEdit*>(&control); field && stretch > 0 && stretch < 100) {
    // As shown: a line separator shows as a space.
    const qreal advance =
        QFontMetricsF(control.font(), &control).horizontalAdvance(field->displayText());
    if (4 * advance < 3 * within.width()) {
      return Name(control) + QStringLiteral(
                                 " is condensed more than it must be (stretch %1, %2 "
                                 "of %3 pixels)")
                                 .arg(stretch)
                                 .arg(advance)
                                 .arg(within.width());
    }
  }
  for (const QWidget* line : lines) {
    if (line->parentWidget() != control.parentWidget()) continue;
    const QRect across = line->geometry().translated(-control.pos());
    if (!across.intersects(control.rect()) || across.width() >= across.height()) continue;
    if (across.left() <= ink.right && across.right() >= ink.left) {
      return Name(control) + QStringLiteral(" has ink under %1").arg(line->objectName());
    }
  }
  return {};
}

QList<const QWidget*> GridLines(const QList<QWidget*>& controls) {
  QList<const QWidget*> lines;
  for (const QWidget* control : controls) {
    // A designed line is a bare, filled widget named after it.
    if (control->objectName().startsWith(QLatin1String("Line")) &&
        control->metaObject() == &QWidget::staticMetaObject) {
      lines.append(control);
    }
  }
  return lines;
}

}  // namespace testing_support
