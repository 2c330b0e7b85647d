#include "bench/first_frame_probe.h"

#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace bench {
namespace {

using Clock = std::chrono::system_clock;

Clock::time_point FromSeconds(double seconds) {
  return Clock::time_point(
      std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)));
}

// The process's age from its start in clock ticks after boot and the time since
// boot now (/proc/stat's boot time is whole seconds: no good here).
Clock::time_point StartFromProc() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  timespec sinceBoot{};
  if (!stat.open(QIODevice::ReadOnly) || clock_gettime(CLOCK_BOOTTIME, &sinceBoot) != 0) {
    return Clock::now();
  }
  // The command name may hold spaces: the fields are counted after its ")".
  const QByteArray line = stat.readAll();
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  const double startTicks = fields.value(19).toDouble();  // field 22 of the whole line
  const double age = static_cast<double>(sinceBoot.tv_sec) +
                     static_cast<double>(sinceBoot.tv_nsec) * 1e-9 -
                     startTicks / static_cast<double>(sysconf(_SC_CLK_TCK));
  return Clock::now() -
         std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(age));
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

Clock::time_point ProcessStart() {
  QByteArray launched = qgetenv("FOCIMETRA_BENCH_T0");
  if (launched.isEmpty()) return StartFromProc();
  launched.replace(',', '.');  // $EPOCHREALTIME follows the locale's decimal point
  return FromSeconds(launched.toDouble());
}

FirstFrameProbe::FirstFrameProbe(QWidget& window) : window_(window) {
  window_.installEventFilter(this);
}

bool FirstFrameProbe::eventFilter(QObject* watched, QEvent* event) {
  if (!painted_ && watched == &window_ && event->type() == QEvent::Paint &&
      window_.windowHandle() != nullptr && window_.windowHandle()->isExposed()) {
    painted_ = true;
    const double paint = MillisecondsSince(ProcessStart());
    QTimer::singleShot(0, this, [paint] {
      std::printf("paint_ms=%.2f frame_ms=%.2f\n", paint, MillisecondsSince(ProcessStart()));
      std::fflush(stdout);
      // Left running when the server's side is timed from outside: the frame
      // must reach the server before the window goes.
      if (!qEnvironmentVariableIsSet("FOCIMETRA_BENCH_STAY")) QCoreApplication::exit(0);
    });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace bench
