// What a screen reader hears of the real window: every entry field and list by
// its name, every result label by the value it shows, with its row, column and
// calculator in its description.
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <memory>

#include "app/frm_main.h"
#include "tests/window/window_driver.h"
#include "ui/entry_field.h"
#include "ui/fitted_label.h"
#include "ui/list_box.h"

namespace {

struct ResultRow {
  const char* array;
  const char* caption;
};

struct Calculator {
  const char* name;
  ResultRow rows[3];
  QStringList headings;
};

const Calculator kCalculators[] = {
    {"angle of view",
     {{"Lbl_angle_4", "1/4type"}, {"Lbl_angle_3", "1/3type"}, {"Lbl_angle_2", "1/2type"}},
     {"W[m]", "H[m]", "Diagonal[m]", "W[deg]", "H[deg]", "Diagonal[deg]"}},
    {"object distance",
     {{"lbl_L_4", "1/4type"}, {"Lbl_L3", "1/3type"}, {"lbl_L_2", "1/2type"}},
     {"L[m]"}},
    // The window's heading says "f[m]"; the values are millimetres.
    {"focal length",
     {{"lbl_f_4", "1/4type"}, {"lbl_f_3", "1/3type"}, {"lbl_f_2", "1/2type"}},
     {"f[mm]"}},
};

const char* const kFieldNames[][2] = {
    {"Txt_ang_f", "Angle of view: f [mm]"},
    {"Txt_ang_L", "Angle of view: L [m]"},
    {"Txt_L_f", "Object distance: f [mm]"},
    {"Txt_L_W", "Object distance: W [m]"},
    {"Txt_L_H", "Object distance: H [m]"},
    {"TxtWandL_W", "Focal length: W [m]"},
    {"TxtWandL_H", "Focal length: H [m]"},
    {"TxtWandL_L", "Focal length: L [m]"},
    {"Txtillumination_M0", "Minimum illumination: known illumination [lux]"},
    {"Txt_F0", "Minimum illumination: F-number of the known illumination"},
    {"Txt_F1", "Minimum illumination: target F-number"},
    {"Txtillumination_M1", "Minimum illumination: converted illumination [lux]"},
    {"LstCamera", "Camera models"},
    {"LstLens", "Lens models"},
    {"FraCameraSlect", "Camera and lens selection"},
};

QString Accessible(QWidget& widget, QAccessible::Text text) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
  return face != nullptr ? face->text(text) : QStringLiteral("(not accessible)");
}

}  // namespace

class AccessibleNamesTest : public QObject {
  Q_OBJECT

  std::unique_ptr<app::FrmMain> window_;
  std::unique_ptr<WindowDriver> driver_;

 private slots:
  void initTestCase() {
    window_ = ActiveWindow();
    QVERIFY(window_ != nullptr);
    driver_ = std::make_unique<WindowDriver>(*window_);
    // Every result label shows a value of its own, not its design caption.
    const char* const inputs[][2] = {{"Txt_ang_f", "3.8"},
                                     {"Txt_ang_L", "10"},
                                     {"Txt_L_f", "8"},
                                     {"Txt_L_W", "5"},
                                     {"TxtWandL_W", "4"},
                                     {"TxtWandL_L", "20"},
                                     {"Txtillumination_M0", "1"},
                                     {"Txt_F0", "1.4"},
                                     {"Txt_F1", "2"}};
    for (const auto& input : inputs) {
      driver_->Type(QString::fromLatin1(input[0]), QString::fromLatin1(input[1]));
    }
  }
  void cleanupTestCase() { window_.reset(); }

  void fieldsAndListsAreNamed_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    for (const auto& entry : kFieldNames) QTest::newRow(entry[0]) << entry[0] << entry[1];
  }
  void fieldsAndListsAreNamed() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QCOMPARE(Accessible(driver_->Control(control), QAccessible::Name), name);
  }

  // A result label's name is its value, so that it is read out; its description
  // says where the value is.
  void resultLabelsSayTheirValueAndPlace_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("description");
    for (const Calculator& calculator : kCalculators) {
      const QString table = QString::fromLatin1(calculator.name);
      for (const ResultRow& row : calculator.rows) {
        const QString array = QString::fromLatin1(row.array);
        QTest::newRow(qPrintable(array + QStringLiteral("(0)")))
            << array + QStringLiteral("(0)") << QStringLiteral("row title, ") + table;
        for (int column = 0; column < calculator.headings.size(); ++column) {
          const QString label = QStringLiteral("%1(%2)").arg(array).arg(column + 1);
          QTest::newRow(qPrintable(label))
              << label
              << QStringLiteral("%1, %2, %3")
                     .arg(QString::fromLatin1(row.caption), calculator.headings[column], table);
        }
      }
    }
  }
  void resultLabelsSayTheirValueAndPlace() {
    QFETCH(QString, control);
    QFETCH(QString, description);
    auto& label = static_cast<QLabel&>(driver_->Control(control));
    QVERIFY(label.text() != QStringLiteral("0"));
    QCOMPARE(Accessible(label, QAccessible::Name), label.text());
    QCOMPARE(Accessible(label, QAccessible::Description), description);
  }

  // The tables above hold every field, list and result label of the window.
  void everyFieldListAndResultIsChecked() {
    QSet<QString> checked;
    for (const auto& entry : kFieldNames) checked.insert(QString::fromLatin1(entry[0]));
    for (const Calculator& calculator : kCalculators) {
      for (const ResultRow& row : calculator.rows) {
        for (int element = 0; element <= calculator.headings.size(); ++element) {
          checked.insert(QStringLiteral("%1(%2)").arg(QString::fromLatin1(row.array)).arg(element));
        }
      }
    }
    const ui::FormControls& c = window_->Controls();
    QSet<QString> controls{c.LstCamera->objectName(), c.LstLens->objectName(),
                           c.FraCameraSlect->objectName()};
    for (const ui::EntryField* field : c.fields) controls.insert(field->objectName());
    for (optics::ResultTable table : optics::kResultTables) {
      for (int format = 0; format < optics::kFormatCount; ++format) {
        for (int element = 0; element <= optics::ValueCount(table); ++element) {
          controls.insert(c.Result({table, format, element}).objectName());
        }
      }
    }
    QCOMPARE(checked, controls);
  }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
