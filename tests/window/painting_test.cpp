// Labels keep the placement of their text between paints and fill their own
// background, and the window's style draws the frames. None of it may show: a
// label whose text, font, enabled state or geometry changed draws exactly what a
// fresh label with the same properties draws, a label or the window painted in
// strips comes out as when it is painted whole, the screen after each key is the
// whole window, and a frame stands where the base style puts it.
#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleHints>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <algorithm>
#include <memory>

#include "app/frm_main.h"
#include "app/startup.h"
#include "tests/window/test_palettes.h"
#include "tests/window/whole_text.h"
#include "tests/window/window_driver.h"
#include "ui/entry_field.h"
#include "ui/fitted_label.h"
#include "ui/fonts.h"
#include "ui/list_box.h"

namespace {

// Every property a label's placement depends on, and its enabled state.
struct LabelState {
  QString text;
  ui::FontRole font = ui::FontRole::Value;
  QSize size{33, 17};
  QRect area;  // null: the whole label
  Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop;
  bool enabled = true;
};

// A result value, centred in its column.
LabelState Value(const QString& text) {
  LabelState state;
  state.text = text;
  return state;
}

void Apply(ui::FittedLabel& label, const LabelState& state) {
  label.setText(state.text);
  label.setFont(ui::FontFor(state.font));
  label.resize(state.size);
  label.SetTextArea(state.area);
  label.setAlignment(state.alignment);
  label.setEnabled(state.enabled);
}

std::unique_ptr<ui::FittedLabel> Made(const LabelState& state) {
  auto label = std::make_unique<ui::FittedLabel>();
  label->setTextFormat(Qt::PlainText);
  Apply(*label, state);
  return label;
}

QImage Blank(const QWidget& widget) {
  const qreal ratio = widget.devicePixelRatioF();
  QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

QImage Whole(QWidget& widget) {
  QImage image = Blank(widget);
  widget.render(&image);
  return image;
}

// The widget painted strip by strip, each strip a paint of its own.
QImage InStrips(QWidget& widget, int width, Qt::Orientation orientation) {
  QImage image = Blank(widget);
  const int extent = orientation == Qt::Horizontal ? widget.width() : widget.height();
  for (int at = 0; at < extent; at += width) {
    const QRect strip = orientation == Qt::Horizontal ? QRect(at, 0, width, widget.height())
                                                      : QRect(0, at, widget.width(), width);
    widget.render(&image, strip.topLeft(), QRegion(strip));
  }
  return image;
}

// The caret stays on: blinking, it would change a field between a key's repaint
// and a comparison, as it does on a slow (sanitized) build.
auto CaretKeptOn() {
  QStyleHints* hints = QGuiApplication::styleHints();
  const int flashTime = hints->cursorFlashTime();
  hints->setCursorFlashTime(0);
  return qScopeGuard([hints, flashTime] { hints->setCursorFlashTime(flashTime); });
}

// What the window has handed to the screen: its backing store's image.
QImage Screen(QWidget& window) {
  const QPaintDevice* device = window.backingStore()->paintDevice();
  if (device->devType() != int(QInternal::Image)) return {};
  return static_cast<const QImage*>(device)->convertToFormat(QImage::Format_RGB32);
}

// Whether the screen shows what painting the whole window gives.
bool ScreenShowsWhole(QWidget& window) {
  const QImage screen = Screen(window);
  return !screen.isNull() &&
         screen == window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The bounding box of the pixels that are not the background, in device pixels.
QRect Ink(const QImage& image, QRgb background) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

// The first row from the top where column x is not the background.
int FirstInkDown(const QImage& image, int x, QRgb background) {
  for (int y = 0; y < image.height(); ++y) {
    if (image.pixel(x, y) != background) return y;
  }
  return -1;
}

// Where a control draws its text, in window coordinates.
QRect TextRect(const QWidget& control, const QWidget& window) {
  QRect rect = control.rect();
  if (const auto* field = qobject_cast<const QLineEdit*>(&control)) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    rect = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    rect = button->style()->subElementRect(qobject_cast<const QCheckBox*>(button) != nullptr
                                               ? QStyle::SE_CheckBoxContents
                                               : QStyle::SE_RadioButtonContents,
                                           &option, button);
  } else if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    rect = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                          frame);
  }
  return QRect(control.mapTo(&window, rect.topLeft()), rect.size());
}

QRect InWindow(const QWidget& control, const QWidget& window) {
  return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

// A rectangle of the window in the device pixels of its image.
QRect OnDevice(const QRect& rect, qreal ratio) {
  return {QPointF(QPointF(rect.topLeft()) * ratio).toPoint(),
          QSizeF(QSizeF(rect.size()) * ratio).toSize()};
}

bool HasText(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) return !label->text().isEmpty();
  if (const auto* field = qobject_cast<const QLineEdit*>(&control)) return !field->text().isEmpty();
  if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
    return !frame->title().isEmpty();
  return qobject_cast<const QAbstractButton*>(&control) != nullptr;
}

}  // namespace

Q_DECLARE_METATYPE(LabelState)

class PaintingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app::PrepareApplication(*qApp); }

  void labelDrawsAsAFreshLabelAfterAChange_data() {
    QTest::addColumn<LabelState>("before");
    QTest::addColumn<LabelState>("after");
    const LabelState shortValue = Value(QStringLiteral("7.2"));
    LabelState wideValue = shortValue;
    wideValue.text = QStringLiteral("35996.4");
    QTest::newRow("text widens") << shortValue << wideValue;
    QTest::newRow("text narrows") << wideValue << shortValue;
    LabelState otherWide = wideValue;
    otherWide.text = QStringLiteral("47995.2");
    QTest::newRow("wide text to another") << wideValue << otherWide;
    LabelState regular = wideValue;
    regular.font = ui::FontRole::Window;
    QTest::newRow("font") << wideValue << regular;
    LabelState disabled = shortValue;
    disabled.enabled = false;
    QTest::newRow("disabled") << shortValue << disabled;
    QTest::newRow("enabled again") << disabled << shortValue;
    LabelState wider = wideValue;
    wider.size = QSize(60, 17);
    QTest::newRow("geometry") << wideValue << wider;
    LabelState clearOfLine = shortValue;
    clearOfLine.area = QRect(4, 0, 20, 17);
    QTest::newRow("text area") << shortValue << clearOfLine;
    LabelState besideLine = shortValue;
    besideLine.area = QRect(4, 0, 28, 17);
    LabelState widerBesideLine = besideLine;
    widerBesideLine.size = QSize(60, 17);
    QTest::newRow("geometry with a text area") << besideLine << widerBesideLine;
    LabelState left = wideValue;
    left.size = QSize(60, 17);
    left.alignment = Qt::AlignLeft | Qt::AlignTop;
    QTest::newRow("alignment") << wider << left;
  }

  void labelDrawsAsAFreshLabelAfterAChange() {
    QFETCH(LabelState, before);
    QFETCH(LabelState, after);
    const std::unique_ptr<ui::FittedLabel> label = Made(before);
    Whole(*label);  // places the text for `before`
    Apply(*label, after);
    const std::unique_ptr<ui::FittedLabel> fresh = Made(after);
    QCOMPARE(Whole(*label), Whole(*fresh));
  }

  // A text with room draws from its one layout exactly as the toolkit's own
  // label draws it: values and captions, centred or at the left, in each face,
  // enabled or not (at each scale the suite runs at).
  void textWithRoomDrawsAsAPlainLabel_data() {
    QTest::addColumn<LabelState>("state");
    for (const QString& text :
         {QStringLiteral("7.2"), QStringLiteral("-12.35"), QStringLiteral("1680.56"),
          QStringLiteral("NULL"), QStringLiteral("1/4type"), QStringLiteral("W[deg]"),
          QStringLiteral("/CCD\u3000:"), QStringLiteral("f\u00e9\u2603")}) {
      LabelState centred = Value(text);
      centred.size = QSize(80, 17);  // room for the widest, so that none is condensed
      QTest::addRow("%s", qPrintable(text)) << centred;
      LabelState regular = centred;
      regular.font = ui::FontRole::Window;
      regular.alignment = Qt::AlignLeft | Qt::AlignTop;
      QTest::addRow("%s regular, left", qPrintable(text)) << regular;
      LabelState disabled = centred;
      disabled.enabled = false;
      QTest::addRow("%s disabled", qPrintable(text)) << disabled;
    }
    LabelState company = Value(QStringLiteral("Kestrova System Solutions"));
    company.font = ui::FontRole::Company;
    company.size = QSize(201, 17);
    company.alignment = Qt::AlignLeft | Qt::AlignTop;
    QTest::addRow("company") << company;
  }

  void textWithRoomDrawsAsAPlainLabel() {
    QFETCH(LabelState, state);
    const std::unique_ptr<ui::FittedLabel> label = Made(state);
    QLabel plain;
    plain.setTextFormat(Qt::PlainText);
    plain.setText(state.text);
    plain.setFont(ui::FontFor(state.font));
    plain.resize(state.size);
    plain.setAlignment(state.alignment);
    plain.setEnabled(state.enabled);
    QCOMPARE(Whole(*label), Whole(plain));
  }

  void labelInStripsAsWhole_data() {
    QTest::addColumn<LabelState>("state");
    QTest::addColumn<int>("orientation");
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
      const char* across = orientation == Qt::Horizontal ? "columns" : "rows";
      const LabelState centred = Value(QStringLiteral("12.8"));
      QTest::addRow("centred value in %s", across) << centred << int(orientation);
      LabelState wide = centred;
      wide.text = QStringLiteral("35996.4");
      QTest::addRow("condensed value in %s", across) << wide << int(orientation);
      const LabelState title{QStringLiteral("1/3type"),
                             ui::FontRole::Window,
                             QSize(57, 17),
                             {},
                             Qt::AlignLeft | Qt::AlignTop};
      QTest::addRow("title in %s", across) << title << int(orientation);
    }
  }

  void labelInStripsAsWhole() {
    QFETCH(LabelState, state);
    QFETCH(int, orientation);
    const std::unique_ptr<ui::FittedLabel> label = Made(state);
    QCOMPARE(InStrips(*label, 1, Qt::Orientation(orientation)), Whole(*label));
  }

  // Result labels and entry fields fill their own background, and that must
  // never show: with values set, a camera's rows greyed or the selection panel
  // on, the window looks as when none of them fills anything and the frames and
  // lines beneath show through.
  void ownBackgroundsAreUnseen_data() {
    QTest::addColumn<int>("state");
    QTest::newRow("values") << 0;
    QTest::newRow("a camera chosen, the other rows greyed") << 1;
    QTest::newRow("the panel on, nothing chosen") << 2;
  }

  void ownBackgroundsAreUnseen() {
    QFETCH(int, state);
    const auto restore = CaretKeptOn();
    const std::unique_ptr<app::FrmMain> window = ActiveWindow();
    QVERIFY(window != nullptr);
    WindowDriver driver(*window);
    driver.Type(QStringLiteral("Txt_ang_L"), QStringLiteral("10"));
    driver.Type(QStringLiteral("Txt_L_W"), QStringLiteral("5"));
    driver.Type(QStringLiteral("TxtWandL_L"), QStringLiteral("0.1"));
    driver.Type(QStringLiteral("Txt_ang_f"), QStringLiteral("3.8"));
    if (state == 1) driver.ChooseCamera(1, QStringLiteral("CAM-116"));
    if (state == 2) driver.Click(QStringLiteral("ChkCameraSelect"));
    const QImage filled = Whole(*window);
    int labels = 0;
    int fields = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
      const bool label = qobject_cast<QLabel*>(control) != nullptr;
      if (!control->autoFillBackground() || !(label || qobject_cast<QLineEdit*>(control))) continue;
      ++(label ? labels : fields);
      control->setAutoFillBackground(false);
    }
    QVERIFY(labels >= 33 && fields == 12);
    QCOMPARE(Whole(*window), filled);
  }

  // A frame's caption is the base style's, pixel for pixel, and its plain border
  // spans what the base style's frame spans, at each scale the suite runs at.
  void frameWhereTheBaseStyleDrawsIt_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("long caption") << "Angle of View [f and L -> W and H Angle]" << QSize(521, 113);
    QTest::newRow("short caption") << "LensType" << QSize(153, 137);
    QTest::newRow("no caption") << "" << QSize(777, 177);
  }

  void frameWhereTheBaseStyleDrawsIt() {
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QGroupBox frame(caption);
    frame.setFont(ui::FontFor(ui::FontRole::Window));
    frame.resize(size);
    const QImage drawn = Whole(frame);
    const std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    frame.setStyle(base.get());
    const QImage expected = Whole(frame);
    const QRgb background = frame.palette().color(QPalette::Window).rgb();
    frame.setStyle(nullptr);
    // On a dense screen the base style's smoothed border reaches a device pixel
    // further out.
    const int slack = frame.devicePixelRatioF() == 1 ? 0 : 1;
    const QRect ink = Ink(drawn, background);
    const QRect expectedInk = Ink(expected, background);
    QVERIFY2(qAbs(ink.left() - expectedInk.left()) <= slack, "left");
    QVERIFY2(qAbs(ink.right() - expectedInk.right()) <= slack, "right");
    QVERIFY2(qAbs(ink.bottom() - expectedInk.bottom()) <= slack, "bottom");
    // Down a column clear of the caption: the border's top edge.
    const int x = drawn.width() - 8;
    QVERIFY2(
        qAbs(FirstInkDown(drawn, x, background) - FirstInkDown(expected, x, background)) <= slack,
        "top");
    if (caption.isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = caption;
    const qreal ratio = frame.devicePixelRatioF();
    const QRect label = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &frame);
    const QRect onDevice(QPointF(label.topLeft() * ratio).toPoint(),
                         QSizeF(label.size() * ratio).toSize());
    QCOMPARE(drawn.copy(onDevice), expected.copy(onDevice));
  }

  // The whole window, its values set, repainted a strip at a time as when values
  // change (labels filling their own background, lines over them, frames
  // beneath), looks as when it is painted whole.
  void windowInStripsAsWhole() {
    app::FrmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int values = 0;
    for (QLabel* label : window.findChildren<QLabel*>()) {
      if (!label->font().bold()) continue;
      label->setText(values++ % 3 == 0 ? QStringLiteral("35996.4") : QStringLiteral("7.2"));
    }
    QVERIFY(values >= 18);
    QCOMPARE(InStrips(window, 5, Qt::Vertical), Whole(window));
  }

  // Under the desktop's palette, switched on the live window, every text stands
  // out from what is behind it by 4.5:1 and every grid line and frame border from
  // the window by 3:1, read from the pixels; greyed rows and disabled controls
  // need not, but still differ from enabled ones.
  void everythingReadsInEveryPalette_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << testing_support::DarkPalette();
    QTest::newRow("high contrast") << testing_support::HighContrastPalette();
    QTest::newRow("dark from one colour") << testing_support::DarkFromOneColour();
  }

  void everythingReadsInEveryPalette() {
    using testing_support::ReadPatch;
    QFETCH(QPalette, palette);
    const auto restore = CaretKeptOn();
    const QPalette before = QApplication::palette();
    const auto restorePalette = qScopeGuard([before] { QApplication::setPalette(before); });
    const std::unique_ptr<app::FrmMain> window = ActiveWindow();
    QVERIFY(window != nullptr);
    QApplication::setPalette(palette);
    WindowDriver driver(*window);
    for (ui::EntryField* field : window->Controls().fields) {
      if (!field->isReadOnly()) driver.Type(field->objectName(), QStringLiteral("5"));
    }
    driver.ChooseCamera(0, QStringLiteral("CAM-108"));
    driver.Select(QStringLiteral("LstLens"), QStringLiteral("LNS-10"));
    QCoreApplication::processEvents();
    const QImage shown = window->grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    QList<QRect> lines;
    for (const QWidget* line : testing_support::GridLines(window->findChildren<QWidget*>())) {
      lines.append(OnDevice(InWindow(*line, *window), ratio));
    }
    int texts = 0;
    QList<QRgb> enabledInk;
    QList<QPair<QString, QRgb>> greyedInk;
    for (QWidget* control : window->findChildren<QWidget*>()) {
      if (!control->isVisible() || !HasText(*control)) continue;
      const auto patch = ReadPatch(shown, OnDevice(TextRect(*control, *window), ratio), lines);
      const QString name = control->objectName();
      if (!control->isEnabled()) {
        QVERIFY2(patch.contrast >= 1.4, qPrintable(name + " greyed into its background"));
        greyedInk.append({name, patch.ink});
        continue;
      }
      ++texts;
      if (qobject_cast<QLabel*>(control) != nullptr) enabledInk.append(patch.ink);
      QVERIFY2(patch.contrast >= 4.5,
               qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(patch.contrast, 0, 'f', 2)));
    }
    QVERIFY(texts >= 60 && greyedInk.size() >= 20);
    // Greyed text differs from the text of enabled labels (the colour most of
    // them reach).
    QHash<QRgb, int> inks;
    for (QRgb ink : enabledInk) ++inks[ink];
    const QRgb enabled = std::max_element(inks.begin(), inks.end()).key();
    for (const auto& [name, ink] : greyedInk) {
      QVERIFY2(testing_support::Contrast(ink, enabled) >= 1.4,
               qPrintable(name + " greyed like enabled text"));
    }
    // Both lists hold entries, each drawn on its list's ground.
    for (const ui::ListBox* list : window->findChildren<ui::ListBox*>()) {
      QVERIFY(list->count() > 0);
      // The top entry in view, or the one below it where that is the chosen one.
      const QListWidgetItem* top = list->itemAt(2, 2);
      QVERIFY(top != nullptr);
      QRect entry = list->visualItemRect(top);
      if (top->isSelected()) entry.translate(0, entry.height());
      const QRect area(list->viewport()->mapTo(window.get(), entry.topLeft()), entry.size());
      const auto patch = ReadPatch(shown, OnDevice(area, ratio));
      QVERIFY2(patch.contrast >= 4.5, qPrintable(list->objectName()));
    }
    // A line or a frame's border against the window around it.
    for (const QRect& line : lines) {
      const QRgb around = ReadPatch(shown, line.adjusted(-6, -6, 6, 6), lines).ground;
      QVERIFY2(testing_support::Contrast(shown.pixel(line.center()), around) >= 3,
               qPrintable(QStringLiteral("line at %1,%2").arg(line.x()).arg(line.y())));
    }
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
      const QRect rect = OnDevice(InWindow(*frame, *window), ratio);
      const QPoint right(rect.right(), rect.center().y());
      const QRgb ground = ReadPatch(shown, rect).ground;
      QVERIFY2(testing_support::Contrast(shown.pixel(right), ground) >= 3,
               qPrintable(frame->objectName()));
    }
  }

  // Typing repaints only what changed (a value only where its old and new text
  // may reach): what is on the screen after each key is what painting the whole
  // window gives.
  void screenAfterEachKeyAsWhole() {
    const auto restore = CaretKeptOn();
    app::FrmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* length = window.findChild<QLineEdit*>(QStringLiteral("Txt_ang_L"));
    auto* focal = window.findChild<QLineEdit*>(QStringLiteral("Txt_ang_f"));
    QVERIFY(length != nullptr && focal != nullptr);
    QTest::keyClicks(length, QStringLiteral("10"));
    // Values widen, narrow, condense ("0.1" gives five-digit widths) and clear;
    // an empty text stands for Backspace.
    const QList<QPair<QLineEdit*, QString>> steps = {
        {focal, "5"}, {focal, ""},  {focal, "1"}, {focal, "2"}, {focal, ""},  {focal, ""},
        {focal, "."}, {focal, "1"}, {length, ""}, {length, ""}, {length, "7"}};
    for (const auto& [field, key] : steps) {
      if (key.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
      } else {
        QTest::keyClicks(field, key);
      }
      QCoreApplication::processEvents();
      QVERIFY2(ScreenShowsWhole(window), qPrintable(field->objectName() + " after '" + key + "'"));
    }
  }

  // Whatever else changes around a key's field and values before their repaint
  // comes out as when the window is painted whole.
  void keyWithItsSurroundingsAsWhole_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("a value set") << 0;
    QTest::newRow("a value disabled") << 1;
    QTest::newRow("a line shown across a value") << 2;
    QTest::newRow("the frame's colour") << 3;
    QTest::newRow("the field recoloured by its change handler") << 4;
  }

  void keyWithItsSurroundingsAsWhole() {
    QFETCH(int, change);
    const auto restore = CaretKeptOn();
    app::FrmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* length = window.findChild<QLineEdit*>(QStringLiteral("Txt_ang_L"));
    auto* focal = window.findChild<ui::EntryField*>(QStringLiteral("Txt_ang_f"));
    auto* value = window.findChild<QLabel*>(QStringLiteral("Lbl_angle_2(3)"));
    QVERIFY(length != nullptr && focal != nullptr && value != nullptr);
    QTest::keyClicks(length, QStringLiteral("10"));
    QTest::keyClicks(focal, QStringLiteral("4"));
    QCoreApplication::processEvents();
    if (change == 4) {
      QObject::connect(focal, &ui::EntryField::Change, focal, [focal] {
        QPalette palette = focal->palette();
        // The frame's outline follows the window colour.
        palette.setColor(QPalette::Window, Qt::red);
        focal->setPalette(palette);
      });
    }
    // The key and the change reach the screen in one repaint.
    QTest::keyClick(focal, Qt::Key_5);
    QWidget* frame = value->parentWidget();
    if (change == 0) value->setText(QStringLiteral("0"));
    if (change == 1) value->setEnabled(false);
    if (change == 2) {
      auto* line = new QWidget(frame);
      line->setAutoFillBackground(true);
      line->setPalette(QPalette(Qt::black));
      line->setGeometry(value->x() + value->width() / 2, value->y(), 1, value->height());
      line->lower();
      line->show();
    }
    if (change == 3) {
      QPalette palette = frame->palette();
      palette.setColor(QPalette::Window, Qt::yellow);
      frame->setPalette(palette);
    }
    for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
    QVERIFY(ScreenShowsWhole(window));
  }
};

QTEST_MAIN(PaintingTest)
#include "painting_test.moc"
