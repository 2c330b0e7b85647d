// The figures on the clipboard and on paper: Ctrl+Shift+C anywhere in the window
// and the window's own menu copy every calculator as tab-separated text, Ctrl+P
// prints and Ctrl+Shift+E exports the same figures as a PDF sheet; the entry
// fields keep their edit menu.
#include <unistd.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/frm_main.h"
#include "app/results_text.h"
#include "app/window_menu.h"
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

  // A menu or dialog that has closed hands the activation back late; typing
  // into a field selects its text only in the active window.
  void Activate() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  QString Copied() const { return app::ResultsText(app::ShownFigures(window_->Controls())); }

  // Presses a shortcut of the window and answers each dialog it brings up, as a
  // person does, until the shortcut's action returns.
  void WithDialogs(QKeyCombination shortcut, const std::function<void(QWidget&)>& answer) {
    QTimer timer;
    timer.setInterval(10);
    bool answering = false;
    connect(&timer, &QTimer::timeout, this, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr || answering) return;  // typing runs the event loop
      answering = true;
      answer(*dialog);
      answering = false;
    });
    timer.start();
    Activate();
    QTest::keyClick(&Control("Picture1"), shortcut.key(), shortcut.keyboardModifiers());
  }

  // Exports the sheet to `path` as the file dialog's choice does; returns the
  // text of the message box that comes up, if any.
  QString Export(const QString& path) {
    QString message;
    QTimer answer;  // gone with the export, whether a box came up or not
    answer.setInterval(10);
    connect(&answer, &QTimer::timeout, this, [&message] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        message = box->text();
        box->accept();
      }
    });
    answer.start();
    window_->findChild<app::WindowMenu*>()->ExportPdf(path);
    return message;
  }

  // Presses Ctrl+Shift+E and cancels the file dialog; returns the file the
  // dialog proposed.
  QString CancelExport() {
    QString proposed;
    WithDialogs(Qt::CTRL | Qt::SHIFT | Qt::Key_E, [&](QWidget& dialog) {
      if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        proposed = files->selectedFiles().value(0);
        files->reject();
      }
    });
    return proposed;
  }

  static QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
      qWarning() << program << arguments << process.readAllStandardError();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  // Lines with their runs of blanks made one space, empty lines dropped: cells
  // apart by a tab in the copy and by spaces on the sheet read alike.
  static QStringList Simplified(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
      if (!line.simplified().isEmpty()) lines.append(line.simplified());
    }
    return lines;
  }

  void TypeAll(const QStringList& typed) {
    for (const QString& step : typed) {
      driver_->Type(step.section(QLatin1Char('='), 0, 0), step.section(QLatin1Char('='), 1));
    }
  }

  // Every field emptied and "Lens Select" unticked, as at start-up.
  void Reset() {
    Activate();
    auto* lensSelect = qobject_cast<QAbstractButton*>(&Control("ChkCameraSelect"));
    if (lensSelect->isChecked()) driver_->Click(QStringLiteral("ChkCameraSelect"));
    for (const char* field :
         {"Txtillumination_M0", "Txt_F0", "Txt_F1", "TxtWandL_W", "TxtWandL_H", "TxtWandL_L",
          "Txt_ang_f", "Txt_ang_L", "Txt_L_f", "Txt_L_W", "Txt_L_H"}) {
      driver_->Type(QString::fromLatin1(field), QString());
    }
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
      QCOMPARE(Texts(menu),
               (QStringList{"Copy results", "Print…", "Export as PDF…", "About Focimetra"}));
      menu->actions().front()->trigger();
    });
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("Angle of View [f and L -> W and H Angle]\nf [mm]\t")));
  }

  // The sheet gives back, in order, every line of the copied figures of the same
  // state, shows the diagram inside the margins and embeds its fonts.
  void sheetHoldsTheCopiedFigures_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("camera");  // "type index/model/lens", or none
    QTest::addColumn<QString>("shown");   // a line the sheet must hold
    QTest::newRow("empty") << QStringList{} << QString() << "1/3type 0 0 0 0 0 0";
    QTest::newRow("all four calculators")
        << QStringList{"Txt_ang_f=3.8", "Txt_ang_L=10", "Txt_L_f=8",
                       "Txt_L_W=10",    "TxtWandL_H=6", "TxtWandL_L=20",
                       "Txt_F0=1.4",    "Txt_F1=2",     "Txtillumination_M0=0.5"}
        << QString() << "1/3type 12.6 9.5 15.8 64.4 50.8 76.7";
    QTest::newRow("camera and lens")
        << QStringList{"Txt_ang_L=25", "Txt_L_W=4"} << "0/CAM-108/LNS-10"
        << "Lens LNS-10";
    QTest::newRow("condensed value")
        << QStringList{"Txt_L_f=9999", "Txt_L_H=999"} << QString() << "1/3type 2774722.5";
  }
  void sheetHoldsTheCopiedFigures() {
    QFETCH(QStringList, typed);
    QFETCH(QString, camera);
    QFETCH(QString, shown);
    Reset();
    TypeAll(typed);
    if (!camera.isEmpty()) {
      driver_->ChooseCamera(camera.section(QLatin1Char('/'), 0, 0).toInt(),
                            camera.section(QLatin1Char('/'), 1, 1));
      driver_->Select(QStringLiteral("LstLens"), camera.section(QLatin1Char('/'), 2));
    }
    const QString copied = Copied();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    Export(path);
    QVERIFY2(QFileInfo::exists(path), "no sheet was written");

    const QStringList sheet = Simplified(Run(QStringLiteral("pdftotext"), {"-layout", path, "-"}));
    QVERIFY2(sheet.contains(shown), qPrintable(sheet.join(QLatin1Char('\n'))));
    qsizetype at = 0;
    for (const QString& line : Simplified(copied)) {
      at = sheet.indexOf(line, at);
      QVERIFY2(at >= 0, qPrintable("not on the sheet in its place: " + line + "\n" +
                                   sheet.join(QLatin1Char('\n'))));
      ++at;
    }
    // The diagram's own texts, beside its drawing.
    QVERIFY(sheet.join(QLatin1Char(' ')).contains(QStringLiteral("For 1/4-type lens")));
    if (!camera.isEmpty()) {  // the chosen row's tool tips
      QVERIFY(sheet.join(QLatin1Char(' ')).contains(QStringLiteral("px/m across: ")));
    }
    // Every font embedded: pdffonts gives "emb" fifth from the end of each font's line.
    const QStringList fonts = Simplified(Run(QStringLiteral("pdffonts"), {path})).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) {
      QVERIFY2(font.split(QLatin1Char(' ')).end()[-5] == QStringLiteral("yes"), qPrintable(font));
    }

    // At 36 dots per inch the 42 pt margins are 21 pixels wide.
    Run(QStringLiteral("pdftoppm"),
        {"-r", "36", "-png", "-singlefile", path, folder.filePath("page")});
    const QImage page(folder.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    constexpr int kMargin = 19;
    int bluish = 0;
    for (int y = 0; y < page.height(); ++y) {
      for (int x = 0; x < page.width(); ++x) {
        const QColor pixel = page.pixelColor(x, y);
        const bool inMargin = x < kMargin || y < kMargin || x >= page.width() - kMargin ||
                              y >= page.height() - kMargin;
        if (inMargin)
          QVERIFY2(pixel.lightness() > 250,
                   qPrintable(QStringLiteral("ink at %1, %2").arg(x).arg(y)));
        if (pixel.blue() > pixel.red() + 8) ++bluish;  // the viewing pyramid's fill
      }
    }
    QVERIFY2(bluish > 500, qPrintable(QString::number(bluish)));
    QCOMPARE(Copied(), copied);
  }

  // The paper follows the locale's paper category, then the language.
  void pageSizeFollowsTheLocale_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("size");  // as pdfinfo gives it, in points
    QTest::newRow("LANG en_US") << QStringList{"LANG=en_US.UTF-8"} << "612 x 792";
    QTest::newRow("LANG de_DE") << QStringList{"LANG=de_DE.UTF-8"} << "595 x 842";
    QTest::newRow("LC_PAPER en_US")
        << QStringList{"LANG=de_DE.UTF-8", "LC_PAPER=en_US.UTF-8"} << "612 x 792";
    QTest::newRow("LC_PAPER de_DE")
        << QStringList{"LANG=en_US.UTF-8", "LC_PAPER=de_DE.UTF-8"} << "595 x 842";
    QTest::newRow("LC_ALL en_CA") << QStringList{"LC_PAPER=de_DE", "LC_ALL=en_CA.UTF-8"}
                                  << "612 x 792";
  }
  void pageSizeFollowsTheLocale() {
    QFETCH(QStringList, environment);
    QFETCH(QString, size);
    const QByteArray variables[] = {"LC_ALL", "LC_PAPER", "LANG"};
    QHash<QByteArray, QByteArray> saved;
    for (const QByteArray& name : variables) {
      saved.insert(name, qgetenv(name));
      qunsetenv(name);
    }
    for (const QString& setting : environment) {
      qputenv(setting.section(QLatin1Char('='), 0, 0).toLatin1(),
              setting.section(QLatin1Char('='), 1).toLatin1());
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
    Export(path);
    for (const QByteArray& name : variables) {
      if (!saved[name].isEmpty())
        qputenv(name, saved[name]);
      else
        qunsetenv(name);
    }
    const QString info = Run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +%1 pts").arg(size))),
             qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
  }

  // A file that cannot be written gives a message naming it and the reason; the
  // window keeps its values and no file, whole or partial, is left.
  void unwritableFileGivesAMessage_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("folder below a file") << "file";
    QTest::newRow("read-only folder") << "read-only";
  }
  void unwritableFileGivesAMessage() {
    QFETCH(QString, where);
    Reset();
    TypeAll({"Txt_ang_f=3.8", "Txt_ang_L=10"});
    const QString copied = Copied();
    QTemporaryDir temporary;
    QString folder = temporary.filePath(QStringLiteral("no-such-folder"));
    if (where == "file") {
      QFile file(folder);
      QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (where == "read-only") {
      // Root writes into any folder whatever its mode: sysfs refuses root too.
      folder = geteuid() == 0 ? QStringLiteral("/sys") : temporary.path();
      QFile::setPermissions(temporary.path(), QFile::ReadOwner | QFile::ExeOwner);
    }
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);
    const QString path = QDir(folder).filePath(QStringLiteral("sheet.pdf"));
    const QString message = Export(path);
    QFile::setPermissions(temporary.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(message.contains(path) && message.contains(QStringLiteral(": ")) &&
                 !message.endsWith(QStringLiteral(": ")),
             qPrintable(message));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), before);
    QCOMPARE(Copied(), copied);
  }

  // The file dialog proposes a dated name in the documents folder, or at home
  // while there is none; cancelling it or the print dialog writes nothing and
  // changes nothing.
  void cancellingChangesNothing_data() {
    QTest::addColumn<bool>("documents");
    QTest::newRow("documents folder") << true;
    QTest::newRow("no documents folder") << false;
  }
  void cancellingChangesNothing() {
    QFETCH(bool, documents);
    const QString copied = Copied();
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const QString folder = documents ? home.filePath(QStringLiteral("Documents")) : home.path();
    QDir().mkpath(folder);
    const QString proposed = CancelExport();
    qputenv("HOME", savedHome);
    QCOMPARE(
        proposed,
        QDir(folder).filePath(
            QStringLiteral("focimetra-%1.pdf").arg(QDate::currentDate().toString(Qt::ISODate))));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    bool printDialog = false;
    WithDialogs(Qt::CTRL | Qt::Key_P, [&](QWidget& dialog) {
      printDialog = qobject_cast<QPrintDialog*>(&dialog) != nullptr;
      qobject_cast<QDialog*>(&dialog)->reject();
    });
    QVERIFY(printDialog);
    QCOMPARE(Copied(), copied);
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
