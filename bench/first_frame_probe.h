#pragma once

#include <QObject>
#include <chrono>

class QWidget;

namespace bench {

// When the process started, on the system clock: FOCIMETRA_BENCH_T0 when the
// launcher set it (seconds since the epoch with a fraction, as bash's
// $EPOCHREALTIME gives it just before the exec), else the start time the kernel
// keeps in /proc/self/stat, which is only good to a clock tick (10 ms).
std::chrono::system_clock::time_point ProcessStart();

// Watches a top-level window for its first paint after it is exposed. It prints
//   paint_ms=P frame_ms=F
// P: from the process start to the first Paint event of the window;
// F: to the end of the event-loop turn that painted it (the child controls are
//    painted and the backing store is flushed by then).
// Then it quits the application.
class FirstFrameProbe : public QObject {
  Q_OBJECT

 public:
  explicit FirstFrameProbe(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  bool painted_ = false;
};

}  // namespace bench
