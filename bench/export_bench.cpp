// The time of one export of the sheet as a PDF file, offscreen: the figures
// gathered from the window, the page drawn and the file written through its
// temporary file and renamed. Values stand in all four calculators and the box
// camera CAM-108 with its lens LNS-10 is chosen, so that the sheet carries the
// camera block and the DORI ranges of the focal lengths too.
//
//   export_bench [EXPORTS]     (default 20)
//
// Prints the first export, the median and the slowest, in milliseconds.
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/frm_main.h"
#include "app/results_sheet.h"
#include "app/results_text.h"
#include "tools/harness/offscreen_application.h"
#include "ui/list_box.h"

namespace {

using optics::Field;
using Clock = std::chrono::steady_clock;

}  // namespace

int main(int argc, char* argv[]) {
  const int exports = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  harness::OffscreenApplication application(argc, argv);
  app::FrmMain window;
  window.show();
  const ui::FormControls& c = window.Controls();
  c.ChkCameraSelect->click();
  c.OptCameraType[0]->click();
  c.LstCamera->setCurrentItem(
      c.LstCamera->findItems(QStringLiteral("CAM-108"), Qt::MatchExactly).front());
  c.LstLens->setCurrentItem(
      c.LstLens->findItems(QStringLiteral("LNS-10"), Qt::MatchExactly).front());
  for (const auto& [field, text] : {std::pair{Field::Txt_ang_L, "10"},
                                    {Field::Txt_L_W, "12"},
                                    {Field::TxtWandL_W, "6"},
                                    {Field::TxtWandL_L, "20"},
                                    {Field::Txtillumination_M0, "0.5"},
                                    {Field::Txt_F0, "1.4"},
                                    {Field::Txt_F1, "2"}}) {
    window.SetText(field, text);
  }

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
  std::vector<double> times;
  for (int i = 0; i < exports; ++i) {
    const Clock::time_point start = Clock::now();
    const QString failure = app::ExportSheet(app::ShownFigures(c), path);
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    if (!failure.isEmpty()) {
      std::fprintf(stderr, "export_bench: %s\n", qPrintable(failure));
      return 1;
    }
  }
  const double first = times.front();
  std::sort(times.begin(), times.end());
  std::printf("%d exports of the sheet: first %.1f ms, median %.1f ms, slowest %.1f ms\n", exports,
              first, times[times.size() / 2], times.back());
  return 0;
}
