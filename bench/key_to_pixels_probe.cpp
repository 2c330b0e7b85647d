// Key-to-pixels latency on an X server: presses keys through XTEST into the
// focused control of one or more top-level windows and times each press to the
// first DAMAGE event on the root window that falls inside the window, which is
// when the program's changed pixels reached the server.
//
//   key_to_pixels_probe KEYS BATCH NAME=WINDOW_ID [NAME=WINDOW_ID...]
//
// Each window gets KEYS presses alternating "5" and BackSpace, in batches of BATCH
// (an even number, so that every batch leaves the text as it found it) taken in
// turn, so that the programs are measured interleaved under the same load. Before
// a batch the window is raised and given the input focus, and before every press
// the window has drawn nothing for a settling time. Prints per window
//   NAME keys=N median_ms=M p90_ms=P p99_ms=Q max_ms=X missed=K
//        whole_median_ms=W whole_p99_ms=V
// where missed counts presses that changed no pixels within a second, and the
// whole figures time each press to the last damage before the window settles,
// for a program whose changes after a key reach the server in several parts.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/percentile.h"
#include "bench/window_bounds.h"

namespace {

using bench::Percentile;
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// No damage inside the window for this long counts as settled: longer than any
// deferred repaint of one key, shorter than a caret blink (500 ms), which a key
// press restarts.
constexpr Milliseconds kSettle{60};
constexpr Milliseconds kTimeout{1000};

struct Target {
  std::string name;
  Window window = 0;
  std::vector<double> ms;       // to the first changed pixels
  std::vector<double> wholeMs;  // to the last pixels the key changed
  int missed = 0;
};

struct Server {
  Display* x = nullptr;
  int damageEvent = 0;
};

// Waits up to `limit` for a damage event inside the window; true when one came.
bool WaitForDamage(const Server& d, const XRectangle& window, Milliseconds limit) {
  const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(limit);
  for (;;) {
    while (XPending(d.x) > 0) {
      XEvent event;
      XNextEvent(d.x, &event);
      if (event.type != d.damageEvent + XDamageNotify) continue;
      const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
      if (bench::Overlap(window, damage.area)) return true;
    }
    const Milliseconds left = end - Clock::now();
    if (left.count() <= 0) return false;
    pollfd fd{XConnectionNumber(d.x), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left.count()) + 1);
  }
}

// Waits until the window has drawn nothing for the settling time; returns when
// it last drew, or `since` if it drew nothing more.
Clock::time_point Settle(const Server& d, const XRectangle& window,
                         Clock::time_point since = Clock::now()) {
  Clock::time_point last = since;
  while (WaitForDamage(d, window, kSettle)) last = Clock::now();
  return last;
}

void Key(Display* x, KeyCode code, bool press) {
  XTestFakeKeyEvent(x, code, press ? True : False, CurrentTime);
  XFlush(x);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: key_to_pixels_probe KEYS BATCH NAME=WINDOW_ID...\n");
    return 2;
  }
  const long keys = std::strtol(argv[1], nullptr, 10);
  const long batch = std::max(2L, std::strtol(argv[2], nullptr, 10) / 2 * 2);
  std::vector<Target> targets;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos) {
      std::fprintf(stderr, "key_to_pixels_probe: %s is not NAME=WINDOW_ID\n", argv[i]);
      return 2;
    }
    Target target;
    target.name = arg.substr(0, equals);
    target.window = static_cast<Window>(std::strtoul(arg.c_str() + equals + 1, nullptr, 0));
    targets.push_back(target);
  }

  Server d;
  d.x = XOpenDisplay(nullptr);
  int damageError = 0;
  int major = 0;
  int minor = 0;
  int xtestEvent = 0;
  int xtestError = 0;
  if (d.x == nullptr || !XDamageQueryExtension(d.x, &d.damageEvent, &damageError) ||
      !XTestQueryExtension(d.x, &xtestEvent, &xtestError, &major, &minor)) {
    std::fprintf(stderr, "key_to_pixels_probe: no X display with DAMAGE and XTEST\n");
    return 2;
  }
  XDamageCreate(d.x, XDefaultRootWindow(d.x), XDamageReportRawRectangles);
  const KeyCode five = XKeysymToKeycode(d.x, XK_5);
  const KeyCode backspace = XKeysymToKeycode(d.x, XK_BackSpace);

  bool typed = true;
  while (typed) {
    typed = false;
    for (Target& target : targets) {
      if (static_cast<long>(target.ms.size()) + target.missed >= keys) continue;
      typed = true;
      XRaiseWindow(d.x, target.window);
      XSetInputFocus(d.x, target.window, RevertToParent, CurrentTime);
      XSync(d.x, False);
      const XRectangle bounds = bench::WindowOnScreen(d.x, target.window);
      Settle(d, bounds);
      for (long i = 0; i < batch; ++i) {
        const Clock::time_point pressed = Clock::now();
        Key(d.x, i % 2 == 0 ? five : backspace, true);
        if (!WaitForDamage(d, bounds, kTimeout)) {
          ++target.missed;
          Key(d.x, i % 2 == 0 ? five : backspace, false);
          Settle(d, bounds);
          continue;
        }
        const Clock::time_point first = Clock::now();
        target.ms.push_back(Milliseconds(first - pressed).count());
        Key(d.x, i % 2 == 0 ? five : backspace, false);
        target.wholeMs.push_back(Milliseconds(Settle(d, bounds, first) - pressed).count());
      }
    }
  }

  for (const Target& target : targets) {
    if (target.ms.empty()) {
      std::printf("%s keys=0 missed=%d\n", target.name.c_str(), target.missed);
      continue;
    }
    std::printf(
        "%s keys=%zu median_ms=%.3f p90_ms=%.3f p99_ms=%.3f max_ms=%.3f missed=%d "
        "whole_median_ms=%.3f whole_p99_ms=%.3f\n",
        target.name.c_str(), target.ms.size(), Percentile(target.ms, 0.5),
        Percentile(target.ms, 0.9), Percentile(target.ms, 0.99),
        *std::max_element(target.ms.begin(), target.ms.end()), target.missed,
        Percentile(target.wholeMs, 0.5), Percentile(target.wholeMs, 0.99));
  }
  XCloseDisplay(d.x);
  return 0;
}
