// The window as built: every control of the control table with its container,
// geometry, caption, font and colours; the tab order; the diagram at 0.65 scale.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "app/frm_main.h"
#include "tests/window/whole_text.h"
#include "tests/window/window_driver.h"
#include "ui/control_table.h"
#include "ui/entry_field.h"
#include "ui/form_builder.h"
#include "ui/picture_box.h"
#include "ui/qt_text.h"

namespace {

QString Q(std::string_view text) { return ui::ToQString(text); }

QString CaptionOf(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (const auto* field = qobject_cast<const QLineEdit*>(widget)) return field->text();
  return {};
}

// Bounding box of the pixels that are not (nearly) white.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 200) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

  std::unique_ptr<app::FrmMain> window_;

  QWidget* Control(const char* name) const {
    return window_->Controls().byName.value(QString::fromLatin1(name));
  }

 private slots:
  void initTestCase() {
    window_ = ActiveWindow();
    QVERIFY(window_ != nullptr);
  }

  void cleanupTestCase() { window_.reset(); }

  void windowIsFixedWithCaptionAndIcon() {
    QCOMPARE(window_->size(), QSize(810, 605));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Focimetra"));
    QVERIFY(!window_->windowIcon().pixmap(32, 32).isNull());
  }

  void everyControlStandsAsDesigned() {
    const QStringList runtimeCaptions = {"Lblccd",   "Lblfmin",  "Lblfmax",
                                         "LblPic_a", "LblPic_b", "LblPic_ab"};
    for (const ui::ControlDesign& design : ui::ControlTable()) {
      const QString name = Q(design.name);
      const QWidget* control = window_->Controls().byName.value(name);
      QVERIFY2(control != nullptr, qPrintable(name));
      QCOMPARE(control->objectName(), name);
      const QString container =
          design.container.empty() ? QStringLiteral("FrmMain") : Q(design.container);
      QCOMPARE(control->parentWidget()->objectName(), container);
      QCOMPARE(control->geometry(), ui::PixelGeometry(design));
      if (!runtimeCaptions.contains(name)) QCOMPARE(CaptionOf(control), Q(design.caption));
    }
  }

  void twipsBecomePixels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("picture box") << "Picture1" << QRect(24, 32, 521, 257);
    QTest::newRow("wide row title") << "Lbl_angle_3(0)" << QRect(120, 64, 57, 17);
    QTest::newRow("rounded down") << "Label4(4)" << QRect(429, 16, 81, 17);
    QTest::newRow("rounded up") << "Txt_L_W" << QRect(64, 45, 41, 18);
    QTest::newRow("check box on the panel edge") << "ChkCameraSelect" << QRect(48, 416, 97, 17);
    QTest::newRow("thick vertical line") << "Line4(0)" << QRect(176, 16, 2, 88);
    QTest::newRow("thin horizontal line") << "Line2" << QRect(104, 56, 408, 1);
  }

  void twipsBecomePixels() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QCOMPARE(window_->Controls().byName.value(name)->geometry(), geometry);
  }

  void fontsAndColours() {
    // The designed faces, or where they are not installed (as on Debian) their
    // metric-compatible counterparts.
    QVERIFY2(QStringList({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")})
                 .contains(window_->font().family()),
             qPrintable(window_->font().family()));
    QCOMPARE(window_->font().pointSizeF(), 9.0);
    QVERIFY(!Control("Lbl_angle_2(0)")->font().bold());
    QVERIFY(Control("Lbl_angle_2(6)")->font().bold());
    QVERIFY(Control("lbl_f_3(1)")->font().bold());
    QVERIFY2(QStringList({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic")})
                 .contains(Control("Label3")->font().family()),
             qPrintable(Control("Label3")->font().family()));
    QCOMPARE(Control("Label3")->font().pointSizeF(), 9.75);
    QVERIFY(Control("Label3")->font().bold());
    QCOMPARE(Control("Label2(2)")->font().pointSizeF(), 15.75);
    QCOMPARE(Control("Txt_F0")->palette().color(QPalette::Base), QColor(255, 255, 128));
    QCOMPARE(Control("Txtillumination_M1")->palette().color(QPalette::Base), QColor(0, 255, 255));
    QCOMPARE(Control("Txtillumination_M1")->palette().color(QPalette::Text), QColor(0, 0, 255));
    QVERIFY(qobject_cast<QLineEdit*>(Control("Txtillumination_M1"))->isReadOnly());
  }

  // The window's faces are the window's own: message boxes and menus keep the
  // desktop's font.
  void buildingTheWindowLeavesTheApplicationsFont() {
    const QFont before = QApplication::font();
    QVERIFY(before != window_->font());
    app::FrmMain another;
    QCOMPARE(QApplication::font(), before);
    QCOMPARE(another.font(), window_->font());
  }

  void startsWithZeroesAndTheFocusInTheFirstField() {
    QCOMPARE(QApplication::focusWidget(), Control("Txtillumination_M0"));
    for (const ui::ControlDesign& design : ui::ControlTable()) {
      if (design.font == ui::FontRole::Value) {
        QCOMPARE(qobject_cast<QLabel*>(window_->Controls().byName.value(Q(design.name)))->text(),
                 QStringLiteral("0"));
      }
    }
  }

  void tabSkipsThePanelWhileItIsDisabled() {
    const QStringList expected = {"Txt_F0",
                                  "Txt_F1",
                                  "TxtWandL_W",
                                  "TxtWandL_H",
                                  "TxtWandL_L",
                                  "Txt_ang_f",
                                  "Txt_ang_L",
                                  "Txt_L_f",
                                  "Txt_L_W",
                                  "Txt_L_H",
                                  "ChkCameraSelect",
                                  "Txtillumination_M1",
                                  "Txtillumination_M0"};
    Control("Txtillumination_M0")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
  }

  // Whatever face stands in for the designed one, and however long a result, every
  // label and field shows its whole text, read from its pixels: a wide one is
  // drawn condensed, never cut, scrolled or covered by a grid line. The inputs
  // give values of every length the calculators produce.
  void everyTextStandsWhole_data() {
    QTest::addColumn<QStringList>("typed");  // field, text, field, text, ...
    QTest::newRow("short values") << QStringList{"Txt_ang_f",
                                                 "3.8",
                                                 "Txt_ang_L",
                                                 "10",
                                                 "Txt_L_f",
                                                 "4",
                                                 "Txt_L_W",
                                                 "12",
                                                 "TxtWandL_W",
                                                 "12",
                                                 "TxtWandL_L",
                                                 "10",
                                                 "Txtillumination_M0",
                                                 "0.5",
                                                 "Txt_F0",
                                                 "1.4",
                                                 "Txt_F1",
                                                 "2"};
    QTest::newRow("f 2.8, L 999: 1712.6 under H[m]")
        << QStringList{"Txt_ang_f", "2.8", "Txt_ang_L", "999"};
    QTest::newRow("f 1, L 9999: 63993.6 under W[m]")
        << QStringList{"Txt_ang_f", "1", "Txt_ang_L", "9999"};
    QTest::newRow("f 9999, H 999: L 2774722.5, partner 1332") << QStringList{
        "Txt_L_f", "9999", "Txt_L_H", "999", "TxtWandL_H", "999", "TxtWandL_L", "9999"};
    QTest::newRow("partner 133.3") << QStringList{"Txt_L_H", "100", "TxtWandL_H", "100"};
    QTest::newRow("illumination 1680.56")
        << QStringList{"Txtillumination_M0", "5", "Txt_F0", "1.2", "Txt_F1", "22"};
    QTest::newRow("illumination 24200.00")
        << QStringList{"Txtillumination_M0", "50", "Txt_F0", "1", "Txt_F1", "22"};
    // Pasted: a private-use character and a line separator, which the field shows
    // as a space.
    QTest::newRow("f pasted with a line separator")
        << QStringList{"paste:Txt_L_f", "8\u6f22\ue000\u2028.4"};
    QTest::newRow("illumination of 21 characters")
        << QStringList{"Txtillumination_M0", "9999", "Txt_F0", ".001", "Txt_F1", "9999"};
  }

  void everyTextStandsWhole() {
    QFETCH(QStringList, typed);
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2) {
      // "paste:NAME" pastes over the field's whole text, as the harness's set does.
      if (typed[i].startsWith(QLatin1String("paste:"))) {
        auto* field = qobject_cast<QLineEdit*>(Control(qPrintable(typed[i].mid(6))));
        field->selectAll();
        field->insert(typed[i + 1]);
        continue;
      }
      QWidget* field = Control(qPrintable(typed[i]));
      field->setFocus(Qt::TabFocusReason);
      QTest::keyClicks(field, typed[i + 1]);
    }
    // Away from the fields, so that no caret or selection is read as text.
    Control("ChkCameraSelect")->setFocus(Qt::TabFocusReason);
    const QList<QWidget*> controls = window_->Controls().byName.values();
    const QList<const QWidget*> lines = testing_support::GridLines(controls);
    QStringList problems;
    for (QWidget* control : controls) {
      const QString problem = testing_support::WholeTextProblem(*control, lines);
      if (!problem.isEmpty()) problems.append(problem);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
  }

  void diagramIsDrawnOnceAtSixtyFivePercentFromTheCorner() {
    const QImage diagram(QStringLiteral(":/focimetra/diagram.png"));
    QCOMPARE(diagram.size(), QSize(738, 370));
    const QImage canvas = window_->Controls().Picture1->Canvas();
    // On a dense screen the canvas holds device pixels: the diagram is drawn at the
    // screen's pixel ratio, still at 0.65 of its size in logical pixels.
    const qreal ratio = window_->devicePixelRatioF();
    QCOMPARE(canvas.devicePixelRatio(), ratio);
    const QRect expected = InkBounds(diagram);
    const QRect drawn = InkBounds(canvas);
    const qreal scale = 0.65 * ratio;
    QVERIFY2(qAbs(drawn.left() - expected.left() * scale) <= 2 * ratio, "left");
    QVERIFY2(qAbs(drawn.top() - expected.top() * scale) <= 2 * ratio, "top");
    QVERIFY2(qAbs(drawn.right() - expected.right() * scale) <= 2 * ratio, "right");
    QVERIFY2(qAbs(drawn.bottom() - expected.bottom() * scale) <= 2 * ratio, "bottom");
  }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
