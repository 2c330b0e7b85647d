// Start-up as the X server sees it: launches a program and times, from the
// launch, the first DAMAGE event inside its window (its first pixels on the
// server) and the moment the damage covers the whole window (the whole first
// frame on the server). What a program measures of itself stops when it has
// handed its frame over; these figures also hold what the server does with the
// frame after that, so every program is timed alike, up to its pixels being on
// the screen.
//
//   first_pixels_probe PROGRAM [ARGUMENTS...]
//
// The program gets FOCIMETRA_BENCH_T0 (the launch, in seconds since the epoch)
// and FOCIMETRA_BENCH_STAY (its first-paint probe reports without quitting),
// and is ended once the whole frame is there and it has reported its own
// figures (which may come before or after). Prints what the program printed and
// then
//   first_ms=F whole_ms=W
// The window is the first top-level window mapped after the launch (damage
// before that, such as the root's background repainted, is not its), and the
// frame is whole once the damage inside it covers all of it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/window_bounds.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr Milliseconds kTimeout{10000};

// Starts the program with its standard output on `output`.
pid_t Launch(char* argv[], int output) {
  const double since =
      std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
  const std::string launched = std::to_string(since);
  const pid_t child = fork();
  if (child == 0) {
    setenv("FOCIMETRA_BENCH_T0", launched.c_str(), 1);
    setenv("FOCIMETRA_BENCH_STAY", "1", 1);
    dup2(output, STDOUT_FILENO);
    execv(argv[0], argv);
    std::perror("first_pixels_probe: exec");
    _exit(127);
  }
  return child;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_pixels_probe PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  Display* x = XOpenDisplay(nullptr);
  int damageEvent = 0;
  int damageError = 0;
  if (x == nullptr || !XDamageQueryExtension(x, &damageEvent, &damageError)) {
    std::fprintf(stderr, "first_pixels_probe: no X display with DAMAGE\n");
    return 2;
  }
  const Window root = XDefaultRootWindow(x);
  XSelectInput(x, root, SubstructureNotifyMask);
  XDamageCreate(x, root, XDamageReportRawRectangles);
  XSync(x, False);

  int pipeEnds[2];
  // Not inherited: the program's standard output is its only copy of the pipe.
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
    std::perror("first_pixels_probe: pipe");
    return 2;
  }
  const Clock::time_point launched = Clock::now();
  const pid_t child = Launch(argv + 1, pipeEnds[1]);
  close(pipeEnds[1]);
  std::string reported;  // the program's output
  bool ended = false;    // its output closed
  bool exited = false;
  Region damaged = XCreateRegion();  // damage seen since the window was mapped
  Window window = 0;
  XRectangle bounds{};
  double first = -1;
  double whole = -1;
  const auto done = [&] {
    return whole >= 0 && (ended || reported.find('\n') != std::string::npos);
  };
  while (!done() && Clock::now() - launched < kTimeout) {
    while (whole < 0 && XPending(x) > 0) {
      XEvent event;
      XNextEvent(x, &event);
      if (window == 0) {
        if (event.type == MapNotify && !event.xmap.override_redirect) {
          window = event.xmap.window;
          bounds = bench::WindowOnScreen(x, window);
        }
        continue;
      }
      if (event.type != damageEvent + XDamageNotify) continue;
      XRectangle area = reinterpret_cast<const XDamageNotifyEvent&>(event).area;
      if (!bench::Overlap(area, bounds)) continue;
      const double ms = Milliseconds(Clock::now() - launched).count();
      // Damage beyond the window does not matter: only whether the window lies
      // wholly inside what was damaged is asked.
      XUnionRectWithRegion(&area, damaged, damaged);
      if (first < 0) first = ms;
      if (XRectInRegion(damaged, bounds.x, bounds.y, bounds.width, bounds.height) == RectangleIn) {
        whole = ms;
      }
    }
    if (done()) break;
    pollfd fds[2] = {{XConnectionNumber(x), POLLIN, 0}, {pipeEnds[0], POLLIN, 0}};
    poll(fds, ended ? 1 : 2, 20);
    if (!ended && (fds[1].revents & (POLLIN | POLLHUP)) != 0) {
      char buffer[512];
      const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
      if (got > 0) reported.append(buffer, static_cast<std::size_t>(got));
      if (got <= 0) ended = true;
    }
    // A program that ended before its window was whole will not draw it.
    if (ended && waitpid(child, nullptr, WNOHANG) == child) {
      exited = true;
      break;
    }
  }
  if (!exited) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
  }
  close(pipeEnds[0]);
  XDestroyRegion(damaged);
  XCloseDisplay(x);
  if (whole < 0) {
    std::fprintf(stderr, "first_pixels_probe: no whole first frame%s\n",
                 exited ? " before the program ended" : " within the time allowed");
    return 1;
  }
  std::printf("%sfirst_ms=%.2f whole_ms=%.2f\n", reported.c_str(), first, whole);
  return 0;
}
