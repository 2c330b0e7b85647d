"""The private desktop of one run: an Xvfb server, a session bus and the
accessibility bus, and the cleanup that stops them however the run ends."""

import faulthandler
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time

import e2e_atspi
from e2e_processes import (E2EFailure, POLL, RUNNING, WAIT, become_subreaper, log,
                           read_line, spawn, stop_process)

VERBOSE = bool(os.environ.get("FOCIMETRA_E2E_VERBOSE"))  # log every xdotool command
A11Y_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"  # Debian's at-spi2-core


class Desktop:
    """Xvfb with a window manager, a session bus and the accessibility bus, all
    private to this run."""

    def __init__(self):
        self.workdir = None
        self.xvfb = None
        self.wm = None
        self.bus = None
        self.a11y = None
        self.env = None

    def start(self):
        become_subreaper()
        self.workdir = tempfile.mkdtemp(prefix="focimetra-e2e-")
        os.chmod(self.workdir, 0o700)
        env = {key: value for key, value in os.environ.items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "NO_AT_BRIDGE",
                              "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "XAUTHORITY",
                              "SESSION_MANAGER", "GTK_MODULES")}
        env["XDG_RUNTIME_DIR"] = self.workdir
        env["HOME"] = env.get("HOME") or self.workdir

        # The server chooses a free display itself and reports it on the pipe.
        read_end, write_end = os.pipe()
        try:
            self.xvfb = spawn(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp", "-noreset"],
                env, self.path("xvfb.log"), pass_fds=(write_end,))
        finally:
            os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            display = read_line(pipe, WAIT, "display number from Xvfb")
        env["DISPLAY"] = f":{display}"
        log(f"Xvfb on {env['DISPLAY']} (pid {self.xvfb.pid})")

        self.bus = spawn(
            ["dbus-daemon", "--session", "--nofork", "--nosyslog", "--print-address=1"],
            env, self.path("bus.log"), stdout=subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = read_line(self.bus.stdout, WAIT, "session bus address")
        log(f"session bus {env['DBUS_SESSION_BUS_ADDRESS']} (pid {self.bus.pid})")

        self.a11y = spawn(
            [A11Y_LAUNCHER, "--launch-immediately", "--a11y=1"],
            env, self.path("a11y.log"))
        self.env = env
        self._wait_for_a11y_bus()
        self._start_window_manager()

        # From here on this process talks to the private buses only.
        os.environ.clear()
        os.environ.update(env)
        e2e_atspi.load()

    def _wait_for_a11y_bus(self):
        deadline = time.monotonic() + WAIT
        last = ""
        while time.monotonic() < deadline:
            if self.a11y.poll() is not None:
                raise E2EFailure(f"at-spi-bus-launcher exited with status {self.a11y.returncode}: "
                                 f"{self.log_tail('a11y.log')}")
            probe = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                 "org.a11y.Bus.GetAddress"],
                env=self.env, capture_output=True, text=True, timeout=WAIT)
            if probe.returncode == 0 and "unix:" in probe.stdout:
                log("accessibility bus is up")
                return
            last = probe.stderr.strip()
            time.sleep(POLL)
        raise E2EFailure(f"the accessibility bus did not come up within {WAIT:.0f} s: {last}")

    def _start_window_manager(self):
        """Openbox, as the desktop's window manager: like any other, it gives the
        activation back to the program's window when a message box closes."""
        self.wm = spawn(["openbox", "--sm-disable"], self.env, self.path("openbox.log"))
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            if self.wm.poll() is not None:
                raise E2EFailure(f"openbox exited with status {self.wm.returncode}: "
                                 f"{self.log_tail('openbox.log')}")
            if "window id" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False):
                log(f"openbox manages {self.env['DISPLAY']} (pid {self.wm.pid})")
                return
            time.sleep(POLL)
        raise E2EFailure(f"openbox did not take over the display within {WAIT:.0f} s")

    def path(self, name):
        return os.path.join(self.workdir, name)

    def log_tail(self, name, lines=20):
        try:
            with open(os.path.join(self.workdir, name), errors="replace") as file:
                return "".join(file.readlines()[-lines:])
        except OSError:
            return ""

    def stop(self):
        stop_process(self.wm, "openbox")
        stop_process(self.a11y, "at-spi-bus-launcher")
        stop_process(self.bus, "dbus-daemon")
        stop_process(self.xvfb, "Xvfb")
        self.wm = self.a11y = self.bus = self.xvfb = None
        if self.workdir:
            shutil.rmtree(self.workdir, ignore_errors=True)

    def run(self, command, timeout=WAIT, check=True):
        if VERBOSE:
            log("$ " + " ".join(command))
        result = subprocess.run(command, env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        if check and result.returncode != 0:
            raise E2EFailure(f"{' '.join(command)} failed ({result.returncode}): "
                             f"{result.stderr.strip()}")
        return result.stdout

    def window_pixels(self, window, name):
        """The window's pixels as the server holds them, as name.png in the run's folder."""
        path = self.path(f"{name}.png")
        self.run(["import", "-window", str(window), path])
        return path

    def pixels(self, path, rect):
        """The pixels of a rectangle of an image, as rows of (red, green, blue)."""
        x, y, width, height = rect
        data = subprocess.run(["convert", path, "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                               "ppm:-"], env=self.env, capture_output=True, timeout=WAIT,
                              check=True).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", data)
        columns, lines = int(header.group(1)), int(header.group(2))
        body = data[header.end():]
        return [[tuple(body[(row * columns + column) * 3:(row * columns + column) * 3 + 3])
                 for column in range(columns)] for row in range(lines)]

    def window_rect(self, window, rect):
        """A rectangle on the desktop, in the window's own coordinates."""
        geometry = self.run(["xdotool", "getwindowgeometry", "--shell", str(window)])
        origin = dict(line.split("=", 1) for line in geometry.split())
        x, y, width, height = rect
        return x - int(origin["X"]), y - int(origin["Y"]), width, height

    def differing_pixels(self, first, second, blank):
        """How many pixels of two images differ outside blank, a rectangle in both."""
        x, y, width, height = blank
        masked = []
        for path in (first, second):
            masked.append(path.replace(".png", "-masked.png"))
            self.run(["convert", path, "-fill", "black", "-draw",
                      f"rectangle {x},{y} {x + width - 1},{y + height - 1}", masked[-1]])
        # compare prints the count on stderr and exits 1 when the images differ.
        result = subprocess.run(["compare", "-metric", "AE", *masked, "null:"],
                                env=self.env, capture_output=True, text=True, timeout=WAIT)
        if result.returncode not in (0, 1):
            raise E2EFailure(f"compare failed: {result.stderr.strip()}")
        return int(float(result.stderr.split()[0]))

    def screenshot(self, flow):
        path = os.path.join(os.getcwd(), f"e2e-{flow}.png")
        try:
            self.run(["import", "-window", "root", path])
            log(f"screenshot {path}")
        except (E2EFailure, subprocess.TimeoutExpired, OSError) as error:
            log(f"no screenshot for {flow}: {error}")


DESKTOP = Desktop()


def stop_everything():
    """Stops whatever is still running, the latest started first."""
    for process, name in list(RUNNING.values())[::-1]:
        stop_process(process, name)
    if DESKTOP.workdir:
        shutil.rmtree(DESKTOP.workdir, ignore_errors=True)


def start_watchdog(budget):
    """Past budget seconds the run is stuck: say where, stop everything, and exit
    before ctest's own timeout kills the driver and strands what it started."""
    def expire():
        log(f"the run took longer than {budget:.0f} s; stopping it. Where each thread was:")
        faulthandler.dump_traceback(all_threads=True)
        stop_everything()
        os._exit(1)
    timer = threading.Timer(budget, expire)
    timer.daemon = True
    timer.start()
