// Keystroke latency on the offscreen platform: digits, a point and Backspaces typed
// into the entry fields through Qt key events, so that each key takes the whole
// path: key filter, change handling, length rule, calculator, result labels and,
// in the width and height fields, the partner write. "Lens Select" stays clear, so
// no focal-range warning interrupts the typing; with "camera", the dome camera
// CAM-116 is chosen first, so that each key also updates the pixel-density notes,
// and the two focal-length fields (which would warn) are left out.
//
//   keystroke_bench [KEYS [camera]]     (default 20000, at least one full round)
//
// Prints the time of the key press alone (what the handlers cost) and of the press
// with the event-loop turn after it (the repaint of what changed included).
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/frm_main.h"
#include "bench/percentile.h"
#include "tools/harness/offscreen_application.h"
#include "tools/harness/window_driver.h"
#include "ui/entry_field.h"
#include "ui/list_box.h"

namespace {

using bench::Percentile;
using optics::Field;
using Clock = std::chrono::steady_clock;

struct Key {
  Qt::Key key;
  const char* text;
};

// Fills a field to its limit and empties it again.
constexpr Key kRound[] = {{Qt::Key_1, "1"},          {Qt::Key_2, "2"},
                          {Qt::Key_Period, "."},     {Qt::Key_5, "5"},
                          {Qt::Key_Backspace, "\b"}, {Qt::Key_Backspace, "\b"},
                          {Qt::Key_Backspace, "\b"}, {Qt::Key_Backspace, "\b"}};

constexpr Field kFields[] = {Field::Txt_L_W,   Field::TxtWandL_H,        Field::Txt_ang_f,
                             Field::Txt_F0,    Field::TxtWandL_W,        Field::Txt_L_H,
                             Field::Txt_ang_L, Field::TxtWandL_L,        Field::Txt_L_f,
                             Field::Txt_F1,    Field::Txtillumination_M0};

double Microseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::micro>(duration).count();
}

void Report(const char* what, const std::vector<double>& us) {
  std::printf("%-22s median %7.1f us   p90 %7.1f us   p99 %7.1f us   max %8.1f us\n", what,
              Percentile(us, 0.5), Percentile(us, 0.9), Percentile(us, 0.99),
              *std::max_element(us.begin(), us.end()));
}

}  // namespace

int main(int argc, char* argv[]) {
  const long wanted = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
  harness::OffscreenApplication application(argc, argv);
  app::FrmMain window;
  if (!harness::ShowActive(window)) {
    std::fprintf(stderr, "keystroke_bench: the window did not become active\n");
    return 1;
  }

  const bool camera = argc > 2 && std::strcmp(argv[2], "camera") == 0;
  if (camera) {
    const ui::FormControls& c = window.Controls();
    c.ChkCameraSelect->click();
    c.OptCameraType[1]->click();
    const QList<QListWidgetItem*> found = c.LstCamera->findItems("CAM-116", Qt::MatchExactly);
    if (found.isEmpty()) return 1;
    c.LstCamera->MakeCurrent(c.LstCamera->row(found.front()));
  }

  std::vector<double> press;
  std::vector<double> withLoop;
  const auto typeRound = [&](bool measured) {
    for (const Field field : kFields) {
      if (camera && (field == Field::Txt_ang_f || field == Field::Txt_L_f)) continue;
      ui::EntryField& box = window.Controls().Field(field);
      box.setFocus(Qt::TabFocusReason);
      box.end(false);
      QCoreApplication::processEvents();
      for (const Key& key : kRound) {
        const QString text = QString::fromLatin1(key.text);
        const Clock::time_point start = Clock::now();
        QTest::sendKeyEvent(QTest::Press, &box, key.key, text, Qt::NoModifier);
        const Clock::time_point pressed = Clock::now();
        QCoreApplication::processEvents();
        const Clock::time_point settled = Clock::now();
        QTest::sendKeyEvent(QTest::Release, &box, key.key, text, Qt::NoModifier);
        if (measured) {
          press.push_back(Microseconds(pressed - start));
          withLoop.push_back(Microseconds(settled - start));
        }
      }
    }
  };
  typeRound(false);  // warm-up: fonts, glyph caches, first layouts
  while (static_cast<long>(press.size()) < wanted) typeRound(true);

  std::printf("keystroke_bench: %zu keys into %zu fields%s\n", press.size(),
              std::size(kFields) - (camera ? 2 : 0), camera ? ", CAM-116 chosen" : "");
  Report("key press", press);
  Report("key press + repaint", withLoop);
  return 0;
}
