// Pixel density and DORI notes on the real window: which labels and fields carry
// them, with what text, and that they follow the values, the camera and the mode.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/frm_main.h"
#include "tests/window/window_driver.h"

namespace {

const QString kSource = QStringLiteral(" (DORI, EN 62676-4:2015)");
const QString kCam116Range = QStringLiteral(
    "CAM-116 at 2.8 mm: identify up to 2.3 m, recognise 4.7 m, observe 9.4 m, detect 23.4 m");

}  // namespace

class PixelDensityTest : public QObject {
  Q_OBJECT

  std::unique_ptr<app::FrmMain> window_;

  std::unique_ptr<WindowDriver> driver_;

  QWidget& Control(const QString& name) const { return driver_->Control(name); }
  void Click(const QString& name) { driver_->Click(name); }
  void Select(const QString& list, const QString& text) { driver_->Select(list, text); }
  void Type(const QString& field, const QString& text) { driver_->Type(field, text); }
  void ChooseCamera(int type, const QString& model) { driver_->ChooseCamera(type, model); }
  QString ToolTip(const QString& name) { return Control(name).toolTip(); }
  // What a label's description says beyond its row, column and calculator.
  QString DescriptionNote(const QString& name) {
    const QStringList parts = Control(name).accessibleDescription().split(QStringLiteral(", "));
    return parts.mid(3).join(QStringLiteral(", "));
  }

 private slots:
  void initTestCase() {
    window_ = ActiveWindow();
    QVERIFY(window_ != nullptr);
    driver_ = std::make_unique<WindowDriver>(*window_);
  }
  void cleanupTestCase() { window_.reset(); }

  void init() {
    auto* check = static_cast<QCheckBox*>(&Control(QStringLiteral("ChkCameraSelect")));
    if (check->isChecked()) Click(QStringLiteral("ChkCameraSelect"));
    for (const char* field : {"Txt_ang_f", "Txt_ang_L", "Txt_L_f", "Txt_L_W", "Txt_L_H",
                              "TxtWandL_W", "TxtWandL_H", "TxtWandL_L"}) {
      Type(QString::fromLatin1(field), {});
    }
    Click(QStringLiteral("ChkCameraSelect"));
  }

  // The dome camera CAM-116 (752 x 582, 1/4 type) at its 2.8 mm and 10 m.
  void chosenRowSaysItsDensity_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("note");  // empty: no tool tip, plain description
    QTest::newRow("W across") << "Lbl_angle_4(1)"
                              << "12.9"
                              << "58 px/m across: detect";
    QTest::newRow("H down") << "Lbl_angle_4(2)"
                            << "9.6"
                            << "60 px/m down: detect";
    QTest::newRow("diagonal") << "Lbl_angle_4(3)"
                              << "16.1"
                              << "";
    QTest::newRow("angle") << "Lbl_angle_4(4)"
                           << "65.7"
                           << "";
    QTest::newRow("L at W 10") << "lbl_L_4(1)"
                               << "7.8"
                               << "75 px/m across: observe";
    QTest::newRow("f at W 2.5") << "lbl_f_4(1)"
                                << "14.4"
                                << "301 px/m across: identify";
    QTest::newRow("greyed 1/3 type W") << "Lbl_angle_3(1)"
                                       << "0"
                                       << "";
    QTest::newRow("greyed 1/2 type f") << "lbl_f_2(1)"
                                       << "25.6"
                                       << "";
    QTest::newRow("row title") << "Lbl_angle_4(0)"
                               << "1/4type"
                               << "";
  }
  void chosenRowSaysItsDensity() {
    QFETCH(QString, label);
    QFETCH(QString, shown);
    QFETCH(QString, note);
    Type(QStringLiteral("TxtWandL_W"), QStringLiteral("2.5"));
    Type(QStringLiteral("TxtWandL_L"), QStringLiteral("10"));
    ChooseCamera(1, QStringLiteral("CAM-116"));
    Type(QStringLiteral("Txt_ang_L"), QStringLiteral("10"));
    Type(QStringLiteral("Txt_L_W"), QStringLiteral("10"));
    QCOMPARE(static_cast<QLabel&>(Control(label)).text(), shown);
    QCOMPARE(ToolTip(label), note.isEmpty() ? QString() : note + kSource);
    QCOMPARE(DescriptionNote(label), ToolTip(label));
    QCOMPARE(ToolTip(QStringLiteral("Txt_ang_f")), kCam116Range + kSource);
    QCOMPARE(ToolTip(QStringLiteral("Txt_L_f")), kCam116Range + kSource);
  }

  // Each change below takes the notes away that were there before it.
  void notesGoWithTheirValue_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("L emptied: the row shows 0") << 0;
    QTest::newRow("Lens Select unticked") << 1;
    QTest::newRow("another camera type") << 2;
    QTest::newRow("a 1/3 type camera") << 3;
  }
  void notesGoWithTheirValue() {
    QFETCH(int, change);
    ChooseCamera(1, QStringLiteral("CAM-116"));
    Type(QStringLiteral("Txt_ang_L"), QStringLiteral("10"));
    const QString width = QStringLiteral("Lbl_angle_4(1)");
    QVERIFY(!ToolTip(width).isEmpty());
    const QString plain =
        Control(width).accessibleDescription().section(QStringLiteral(", "), 0, 2);
    switch (change) {
      case 0:
        Type(QStringLiteral("Txt_ang_L"), {});
        QVERIFY(!ToolTip(QStringLiteral("Txt_ang_f")).isEmpty());  // f is still 2.8
        break;
      case 1:
        Click(QStringLiteral("ChkCameraSelect"));
        QCOMPARE(ToolTip(QStringLiteral("Txt_ang_f")), QString());
        break;
      case 2:
        Click(QStringLiteral("OptCameraType(2)"));
        QCOMPARE(ToolTip(QStringLiteral("Txt_L_f")), QString());
        break;
      case 3:
        // CAM-114: 1/3 type, 3.8 mm; its own row speaks now, 4.8 / 3.8 x 10 m wide.
        Select(QStringLiteral("LstCamera"), QStringLiteral("CAM-114"));
        QCOMPARE(ToolTip(QStringLiteral("Lbl_angle_3(1)")),
                 QStringLiteral("60 px/m across: detect") + kSource);
        QVERIFY(
            ToolTip(QStringLiteral("Txt_ang_f")).startsWith(QStringLiteral("CAM-114 at 3.8 mm:")));
        break;
    }
    QCOMPARE(ToolTip(width), QString());
    QCOMPARE(Control(width).accessibleDescription(), plain);
  }

  // CAM-116 (752 x 582, 1/4 type, 2.8 mm) on scenes narrower than a metre, such
  // as a door, and on one wider for comparison.
  void scenesUnderAMetreHaveTheirDensity_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("note");
    QTest::newRow("door 0.8 m: f") << "TxtWandL_W"
                                   << "0.8"
                                   << "lbl_f_4(1)"
                                   << "940 px/m across: identify";
    QTest::newRow("door 0.8 m: L") << "Txt_L_W"
                                   << "0.8"
                                   << "lbl_L_4(1)"
                                   << "940 px/m across: identify";
    QTest::newRow("0.5 m away: W") << "Txt_ang_L"
                                   << "0.5"
                                   << "Lbl_angle_4(1)"
                                   << "1170 px/m across: identify";
    QTest::newRow("0.5 m away: H") << "Txt_ang_L"
                                   << "0.5"
                                   << "Lbl_angle_4(2)"
                                   << "1207 px/m down: identify";
    QTest::newRow("gate 6 m: f") << "TxtWandL_W"
                                 << "6"
                                 << "lbl_f_4(1)"
                                 << "125 px/m across: recognise";
  }
  void scenesUnderAMetreHaveTheirDensity() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, label);
    QFETCH(QString, note);
    ChooseCamera(1, QStringLiteral("CAM-116"));
    Type(QStringLiteral("TxtWandL_L"), QStringLiteral("3"));
    Type(field, value);
    QCOMPARE(ToolTip(label), note + kSource);
    QCOMPARE(DescriptionNote(label), ToolTip(label));
  }

  // A box camera without a lens says nothing of its angle of view until a lens
  // gives it a focal length. CAM-108: 752 pixels across a 1/2 type imager, L 12 m.
  void lensBringsTheNotes_data() {
    QTest::addColumn<QString>("lens");
    QTest::addColumn<QString>("widthNote");
    QTest::addColumn<QString>("range");
    QTest::newRow("LNS-10, 8.0 mm") << "LNS-10"
                                    << "78 px/m across: observe"
                                    << "CAM-108 at 8 mm: identify up to 3.8 m, recognise 7.5 m, "
                                       "observe 15.0 m, detect 37.6 m";
    QTest::newRow("LNS-11, 6.0 mm") << "LNS-11"
                                    << "59 px/m across: detect"
                                    << "CAM-108 at 6 mm: identify up to 2.8 m, recognise 5.6 m, "
                                       "observe 11.3 m, detect 28.2 m";
  }
  void lensBringsTheNotes() {
    QFETCH(QString, lens);
    QFETCH(QString, widthNote);
    QFETCH(QString, range);
    Type(QStringLiteral("Txt_ang_L"), QStringLiteral("12"));
    ChooseCamera(0, QStringLiteral("CAM-108"));
    const QString width = QStringLiteral("Lbl_angle_2(1)");
    QCOMPARE(ToolTip(width), QString());
    QCOMPARE(ToolTip(QStringLiteral("Txt_ang_f")), QString());
    Select(QStringLiteral("LstLens"), QStringLiteral("LNS-09"));
    Select(QStringLiteral("LstLens"), lens);
    QCOMPARE(ToolTip(width), widthNote + kSource);
    QCOMPARE(DescriptionNote(width), ToolTip(width));
    QCOMPARE(ToolTip(QStringLiteral("Txt_ang_f")), range + kSource);
    QCOMPARE(ToolTip(QStringLiteral("Txt_L_f")), range + kSource);
  }

  // The focal-length fields follow the f typed into them.
  void fieldsFollowTheirFocalLength() {
    ChooseCamera(1, QStringLiteral("CAM-116"));
    Type(QStringLiteral("Txt_L_f"), QStringLiteral("5.6"));
    QCOMPARE(ToolTip(QStringLiteral("Txt_L_f")),
             QStringLiteral("CAM-116 at 5.6 mm: identify up to 4.7 m, recognise 9.4 m, observe "
                            "18.7 m, detect 46.8 m") +
                 kSource);
    QCOMPARE(ToolTip(QStringLiteral("Txt_ang_f")), kCam116Range + kSource);
    Type(QStringLiteral("Txt_L_f"), {});
    QCOMPARE(ToolTip(QStringLiteral("Txt_L_f")), QString());
  }
};

QTEST_MAIN(PixelDensityTest)
#include "pixel_density_test.moc"
