// The figures on the clipboard: Ctrl+Shift+C anywhere in the window and the
// window's own menu copy every calculator as tab-separated text; the entry
// fields keep their edit menu.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/frm_main.h"
#include "tests/window/window_driver.h"

namespace {

// Inputs from the calculators' own worked examples, with the dome camera CAM-116
// (1/4 type, 2.8 mm) chosen after the focal-length calculator has run for all
// three formats, so that its greyed rows keep their values.
const QString kExpected = QStringLiteral(
    "Angle of View [f and L -> W and H Angle]\n"
    "f [mm]\t2.8\n"
    "L [m]\t10\n"
    "CCD\tW[m]\tH[m]\tDiagonal[m]\tW[deg]\tH[deg]\tDiagonal[deg]\n"
    "1/4type\t12.9\t9.6\t16.1\t65.7\t51.3\t77.7\n"
    "1/3type\t0\t0\t0\t0\t0\t0\tgreyed\n"
    "1/2type\t0\t0\t0\t0\t0\t0\tgreyed\n"
    "\n"
    "f and WorH ->L\n"
    "f [mm]\t2.8\n"
    "W [m]\t10\n"
    "H [m]\t7.5\n"
    "CCD\tL[m]\n"
    "1/4type\t7.8\n"
    "1/3type\t0\tgreyed\n"
    "1/2type\t0\tgreyed\n"
    "\n"
    "WorH and L ->f\n"
    "W [m]\t12\n"
    "H [m]\t9\n"
    "L [m]\t10\n"
    "CCD\tf[m]\n"
    "1/4type\t3.0\n"
    "1/3type\t4.0\tgreyed\n"
    "1/2type\t5.3\tgreyed\n"
    "\n"
    "Minimum.illumination\n"
    "known illumination [lux]\t0.5\n"
    "F-number of the known illumination\t1.4\n"
    "target F-number\t2.0\n"
    "converted illumination [lux]\t1.02\n"
    "\n"
    "Lens Select\n"
    "Camera Type\tFixed Camera(Dome)\n"
    "Camera\tCAM-116\n"
    "CCD\t1/4\n"
    "f_min [mm]\t2.8\n"
    "f_max [mm]\t10.0\n"
    "Pixels a\t752\n"
    "Pixels b\t582\n"
    "Pixels a*b\t0.44\n");

}  // namespace

class ResultsCopyTest : public QObject {
  Q_OBJECT

  std::unique_ptr<app::FrmMain> window_;
  std::unique_ptr<WindowDriver> driver_;

  QWidget& Control(const char* name) const { return driver_->Control(QString::fromLatin1(name)); }

  // Opens the context menu of a control as a right click does, and hands the
  // popup that comes up (or none) to inspect before it is closed.
  void WithContextMenu(QWidget& target, const std::function<void(QMenu*)>& inspect) {
    bool inspected = false;
    QTimer::singleShot(0, this, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      inspect(menu);
      inspected = true;
      if (menu != nullptr) menu->close();
    });
    const QPoint at = target.rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target.mapToGlobal(at));
    QApplication::sendEvent(&target, &event);
    if (!inspected) QTRY_VERIFY(inspected);  // no popup blocked: let the timer run
  }

  static QStringList Texts(const QMenu* menu) {
    QStringList texts;
    if (menu != nullptr) {
      for (const QAction* action : menu->actions()) texts.append(action->text());
    }
    return texts;
  }

 private slots:
  void initTestCase() {
    window_ = ActiveWindow();
    QVERIFY(window_ != nullptr);
    driver_ = std::make_unique<WindowDriver>(*window_);
  }
  void cleanupTestCase() { window_.reset(); }

  void init() { QGuiApplication::clipboard()->clear(); }

  void shortcutCopiesEveryCalculator() {
    WindowDriver& d = *driver_;
    d.Type(QStringLiteral("TxtWandL_W"), QStringLiteral("12"));
    d.Type(QStringLiteral("TxtWandL_L"), QStringLiteral("10"));
    d.ChooseCamera(1, QStringLiteral("CAM-116"));
    d.Type(QStringLiteral("Txt_ang_L"), QStringLiteral("10"));
    d.Type(QStringLiteral("Txt_L_W"), QStringLiteral("10"));
    d.Type(QStringLiteral("Txtillumination_M0"), QStringLiteral("0.5"));
    d.Type(QStringLiteral("Txt_F0"), QStringLiteral("1.4"));
    d.Type(QStringLiteral("Txt_F1"), QStringLiteral("2.0"));
    // From inside an entry field, whose own Ctrl shortcuts stay as they are.
    QTest::keyClick(&Control("Txt_F1"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), kExpected);
    QCOMPARE(d.Control(QStringLiteral("Txt_F1")).property("text").toString(), "2.0");
  }

  void withoutACameraThereIsNoSelectionBlock() {
    driver_->Click(QStringLiteral("ChkCameraSelect"));  // unticked: the camera is dropped
    QTest::keyClick(&Control("LstCamera"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY(text.endsWith(QStringLiteral("converted illumination [lux]\t1.02\n")));
    QVERIFY(!text.contains(QStringLiteral("Camera")));
    QVERIFY(!text.contains(QStringLiteral("greyed")));
  }

  void backgroundMenuCopies_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("diagram") << "Picture1";
    QTest::newRow("result label") << "Lbl_angle_4(1)";
    QTest::newRow("frame") << "Frame1";
    QTest::newRow("disabled camera list") << "LstCamera";
  }
  void backgroundMenuCopies() {
    QFETCH(QString, control);
    WithContextMenu(driver_->Control(control), [](QMenu* menu) {
      QCOMPARE(Texts(menu), (QStringList{"Copy results", "About Focimetra"}));
      menu->actions().front()->trigger();
    });
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("Angle of View [f and L -> W and H Angle]\nf [mm]\t")));
  }

  void entryFieldsKeepTheirEditMenu() {
    WithContextMenu(Control("Txt_ang_f"), [](QMenu* menu) {
      QVERIFY(menu != nullptr);
      QVERIFY(!Texts(menu).contains(QStringLiteral("Copy results")));
      QVERIFY(Texts(menu).join(QLatin1Char(' ')).contains(QStringLiteral("Paste")));
    });
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
  }
};

QTEST_MAIN(ResultsCopyTest)
#include "results_copy_test.moc"
