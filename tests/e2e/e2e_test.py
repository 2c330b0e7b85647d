#!/usr/bin/env python3
"""End-to-end tests of the focimetra binary, used the way a person uses it.

Each run brings up a desktop of its own: an Xvfb server on a display number that
the server picks itself, a private D-Bus session bus and the AT-SPI bus launcher on
it. Every test starts the program afresh on that desktop, moves the pointer, clicks
and types with xdotool (real X input through XTEST), reads what the window shows
back through the accessibility tree (pyatspi), and leaves a screenshot
e2e-<flow>.png in the current directory.

    e2e_test.py PROGRAM [--sanitized] [unittest options]

Only the standard library and pyatspi are used; pyatspi is imported once the
private buses are up, so that it never starts a bus of its own.
"""

import ctypes
import faulthandler
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import warnings


def has_pyatspi():
    # Looked for, not imported: importing it before the private buses are up would
    # start a session bus of its own.
    return any(os.path.isfile(os.path.join(folder, "pyatspi", "__init__.py"))
               for folder in sys.path if folder)


# Debian's pyatspi lives with Debian's interpreter: a python3 of another install
# (pyenv, a venv) hands the run over to it.
_SYSTEM_PYTHON = "/usr/bin/python3"
if (not has_pyatspi() and os.path.exists(_SYSTEM_PYTHON)
        and os.path.realpath(sys.executable) != os.path.realpath(_SYSTEM_PYTHON)
        and not os.environ.get("FOCIMETRA_E2E_REEXEC")):
    os.environ["FOCIMETRA_E2E_REEXEC"] = "1"
    os.execv(_SYSTEM_PYTHON, [_SYSTEM_PYTHON] + sys.argv)

PROGRAM = None          # the binary under test, from the command line
SANITIZED = False       # built with the address and undefined-behaviour sanitizers
WAIT = 20.0             # longest wait for anything the program should do
POLL = 0.1
STOP_GRACE = 5.0        # how long a stopped process may take to exit before SIGKILL
VERBOSE = bool(os.environ.get("FOCIMETRA_E2E_VERBOSE"))  # log every xdotool command

pyatspi = None          # imported by Desktop.start, once the buses exist
GLib = None

A11Y_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"  # Debian's at-spi2-core
WINDOW_TITLE = "Focimetra"
MAX_WARNING = "MAX of F value of the camera has been exceeded. Please rewrite correct num."


class E2EFailure(AssertionError):
    pass


def log(message):
    print(f"[e2e {time.strftime('%H:%M:%S')}] {message}", file=sys.stderr, flush=True)


# --- processes ------------------------------------------------------------------

_libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1
PR_SET_CHILD_SUBREAPER = 36


def become_subreaper():
    """Orphans of what this driver starts (the registry daemon double-forks) become
    its children, so that they can be found, stopped and reaped."""
    if _libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
        log(f"cannot become a child subreaper (errno {ctypes.get_errno()})")


def _die_with_driver():
    # Runs in the child before exec: a driver killed outright takes it along. SIGTERM
    # lets the bus launcher stop the bus it started in turn.
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)


RUNNING = {}  # every process spawned and not yet stopped, by pid, with its name


def spawn(command, env, log_path, **kwargs):
    """Starts command in a process group of its own, tied to the driver's life."""
    with open(log_path, "wb") as output:
        process = subprocess.Popen(command, env=env, start_new_session=True,
                                   preexec_fn=_die_with_driver, stdin=subprocess.DEVNULL,
                                   stdout=kwargs.pop("stdout", output), stderr=output, **kwargs)
    RUNNING[process.pid] = (process, os.path.basename(command[0]))
    return process


def _children_by_parent():
    tree = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat", "rb") as stat:
                fields = stat.read().rsplit(b")", 1)[1].split()
        except OSError:
            continue
        tree.setdefault(int(fields[1]), []).append(int(entry))
    return tree


def descendants(pid):
    """The processes below pid: bus daemons fork helpers and activated services."""
    tree = _children_by_parent()
    found, todo = [], [pid]
    while todo:
        for child in tree.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def _alive(pid):
    try:
        with open(f"/proc/{pid}/stat", "rb") as stat:
            return stat.read().rsplit(b")", 1)[1].split()[0] != b"Z"
    except OSError:
        return False


def _signal(pid, signum):
    try:
        os.kill(pid, signum)
    except ProcessLookupError:
        pass


def _group_members(pgid):
    members = []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat", "rb") as stat:
                    if int(stat.read().rsplit(b")", 1)[1].split()[2]) == pgid:
                        members.append(int(entry))
            except (OSError, IndexError, ValueError):
                continue
    return members


def reap(pids):
    """Collects the exit status of those of pids that were adopted as orphans, so
    that none stays a zombie."""
    for pid in pids:
        try:
            os.waitpid(pid, os.WNOHANG)
        except ChildProcessError:
            pass


def stop_process(process, name):
    """Ends process and everything it started (its descendants and its process
    group, which it leads): SIGTERM, a grace period, then SIGKILL."""
    if process is None:
        return
    RUNNING.pop(process.pid, None)
    others = set(descendants(process.pid)) | set(_group_members(process.pid))
    others.discard(process.pid)
    if process.poll() is None:
        process.terminate()
    for pid in others:
        _signal(pid, signal.SIGTERM)
    try:
        process.wait(timeout=STOP_GRACE)
    except subprocess.TimeoutExpired:
        log(f"{name} (pid {process.pid}) ignored SIGTERM; killing it")
        process.kill()
        process.wait(timeout=STOP_GRACE)
    deadline = time.monotonic() + STOP_GRACE
    while time.monotonic() < deadline:
        reap(others)
        others |= set(_group_members(process.pid))
        if not any(_alive(pid) for pid in others):
            break
        time.sleep(POLL)
    for pid in others:
        if _alive(pid):
            log(f"a process that {name} started (pid {pid}) outlived it; killing it")
            _signal(pid, signal.SIGKILL)
    time.sleep(POLL)
    reap(others)
    for stream in (process.stdout, process.stderr):
        if stream is not None:
            stream.close()


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


def read_line(stream, timeout, what):
    """One line from a child's pipe, waiting at most timeout seconds."""
    deadline = time.monotonic() + timeout
    data = b""
    fd = stream.fileno()
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0:
            raise E2EFailure(f"no {what} within {timeout:.0f} s (read so far: {data!r})")
        ready, _, _ = select.select([fd], [], [], left)
        if ready:
            chunk = os.read(fd, 4096)
            if not chunk:
                raise E2EFailure(f"the pipe closed before the {what} came (read: {data!r})")
            data += chunk
    return data.decode().strip()


# --- the private desktop --------------------------------------------------------

class Desktop:
    """Xvfb, a session bus and the accessibility bus, all private to this run."""

    def __init__(self):
        self.workdir = None
        self.xvfb = None
        self.bus = None
        self.a11y = None
        self.env = None

    def start(self):
        global pyatspi, GLib
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

        # From here on this process talks to the private buses only.
        os.environ.clear()
        os.environ.update(env)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import GLib as glib
        import pyatspi as atspi
        pyatspi, GLib = atspi, glib

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

    def path(self, name):
        return os.path.join(self.workdir, name)

    def log_tail(self, name, lines=20):
        try:
            with open(os.path.join(self.workdir, name), errors="replace") as file:
                return "".join(file.readlines()[-lines:])
        except OSError:
            return ""

    def stop(self):
        stop_process(self.a11y, "at-spi-bus-launcher")
        stop_process(self.bus, "dbus-daemon")
        stop_process(self.xvfb, "Xvfb")
        self.a11y = self.bus = self.xvfb = None
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

    def screenshot(self, flow):
        path = os.path.join(os.getcwd(), f"e2e-{flow}.png")
        try:
            self.run(["import", "-window", "root", path])
            log(f"screenshot {path}")
        except (E2EFailure, subprocess.TimeoutExpired, OSError) as error:
            log(f"no screenshot for {flow}: {error}")


DESKTOP = Desktop()


def setUpModule():
    try:
        DESKTOP.start()
    except BaseException:
        DESKTOP.stop()
        raise


def tearDownModule():
    DESKTOP.stop()


# --- the accessibility tree -----------------------------------------------------

def pump():
    """Lets libatspi take in the events that arrived, so that no cache is stale."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def fresh(accessible):
    try:
        accessible.clear_cache()
    except Exception:  # an object that has gone away
        pass
    return accessible


def role_name(accessible):
    try:
        return accessible.getRoleName()
    except Exception:
        return "?"


def walk(accessible, depth=0):
    yield accessible
    if depth > 20:
        return
    try:
        children = list(fresh(accessible))
    except Exception:
        return
    for child in children:
        if child is not None:
            yield from walk(child, depth + 1)


def text_of(accessible):
    fresh(accessible)
    try:
        text = accessible.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return accessible.name


def has_state(accessible, state):
    return fresh(accessible).getState().contains(state)


def extents(accessible):
    box = fresh(accessible).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def wait_for(condition, what, timeout=WAIT, detail=None):
    """Polls condition until it returns something true; fails with what after timeout."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        pump()
        try:
            value = condition()
            if value:
                return value
        except E2EFailure:
            raise
        except Exception as error:  # the tree changes under us while the program works
            last_error = error
        if time.monotonic() >= deadline:
            message = f"timed out after {timeout:.0f} s waiting for {what}"
            if detail is not None:
                try:
                    message += f"; {detail()}"
                except Exception as error:
                    message += f"; (no detail: {error})"
            if last_error is not None:
                message += f"; last error: {last_error!r}"
            raise E2EFailure(message)
        time.sleep(POLL)


# --- the program ----------------------------------------------------------------

class Focimetra:
    """One running instance of the program on the private desktop."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.process = None
        self.window = None
        self.app = None
        self.log_path = None

    def start(self):
        env = dict(self.desktop.env)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        if SANITIZED:
            # Leaks are for the unit tests to find: the program is ended with SIGTERM
            # here, and fontconfig and the D-Bus libraries keep memory until exit.
            options = [opt for opt in env.get("ASAN_OPTIONS", "").split(":")
                       if opt and not opt.startswith("detect_leaks=")]
            env["ASAN_OPTIONS"] = ":".join(options + ["detect_leaks=0"])
        self.log_path = os.path.join(self.desktop.workdir, f"program-{time.monotonic_ns()}.log")
        self.process = spawn([PROGRAM], env, self.log_path)
        log(f"started {PROGRAM} (pid {self.process.pid})")
        self.window = wait_for(self._mapped_window, f"the window \"{WINDOW_TITLE}\" to be mapped",
                               detail=self._exit_detail)
        log(f"window 0x{self.window:x} is mapped")
        self.app = wait_for(self._application, "the program in the accessibility tree",
                            detail=self._exit_detail)
        try:
            self.app.set_cache_mask(pyatspi.Atspi.Cache.NONE)
        except Exception:
            pass
        wait_for(lambda: self.maybe_find("check box", "Lens Select"),
                 "the window's controls in the accessibility tree", detail=self._exit_detail)
        # Nothing between the pointer and the window, and the window has the input focus.
        self.desktop.run(["xdotool", "windowraise", str(self.window)])
        self.desktop.run(["xdotool", "windowfocus", "--sync", str(self.window)], check=False)

    def _exit_detail(self):
        if self.process.poll() is not None:
            return f"the program exited with status {self.process.returncode}: {self.output()}"
        return "the program is still running"

    def output(self):
        try:
            with open(self.log_path, errors="replace") as file:
                return file.read()[-4000:]
        except OSError:
            return ""

    def windows(self):
        result = self.desktop.run(["xdotool", "search", "--onlyvisible", "--pid",
                                   str(self.process.pid), "--name", f"^{WINDOW_TITLE}$"],
                                  check=False)
        return [int(line) for line in result.split()]

    def _mapped_window(self):
        if self.process.poll() is not None:
            raise E2EFailure(f"the program exited with status {self.process.returncode} "
                             f"before its window appeared: {self.output()}")
        found = self.windows()
        return found[0] if found else None

    def _application(self):
        desktop = fresh(pyatspi.Registry.getDesktop(0))
        for app in desktop:
            if app is not None and fresh(app).get_process_id() == self.process.pid:
                return app
        return None

    def stop(self):
        if self.process is None:
            return
        if self.process.poll() is not None and self.process.returncode not in (0, -signal.SIGTERM):
            log(f"the program had exited with status {self.process.returncode}: {self.output()}")
        stop_process(self.process, "focimetra")
        self.process = None

    # -- finding controls

    def maybe_find(self, role, name=None, description=None, root=None):
        for accessible in walk(root or self.app):
            if role_name(accessible) != role:
                continue
            if name is not None and accessible.name != name:
                continue
            if description is not None and accessible.description != description:
                continue
            return accessible
        return None

    def find(self, role, name=None, description=None, root=None):
        what = " ".join(part for part in (role, repr(name) if name else "",
                                          f"described {description!r}" if description else "")
                        if part)
        return wait_for(lambda: self.maybe_find(role, name, description, root), f"the {what}")

    def field(self, name):
        return self.find("text", name)

    def result(self, row, column, table):
        return self.find("label", description=f"{row}, {column}, {table}")

    # -- what a person does

    def click(self, accessible, what):
        x, y, width, height = extents(accessible)
        if width <= 0 or height <= 0:
            raise E2EFailure(f"{what} has no area on the screen ({x}, {y}, {width}, {height})")
        self.click_at(x + width // 2, y + height // 2)

    def point_at(self, x, y):
        self.desktop.run(["xdotool", "mousemove", str(x), str(y)])
        wait_for(lambda: self.pointer() == (x, y), f"the pointer to reach ({x}, {y})",
                 detail=lambda: f"it is at {self.pointer()}")

    def pointer(self):
        where = dict(line.split("=", 1) for line in
                     self.desktop.run(["xdotool", "getmouselocation", "--shell"]).split())
        return int(where["X"]), int(where["Y"])

    def click_at(self, x, y, button=1):
        self.point_at(x, y)
        self.desktop.run(["xdotool", "click", str(button)])

    def type(self, text):
        self.desktop.run(["xdotool", "type", "--delay", "60", "--", text])

    def key(self, name):
        self.desktop.run(["xdotool", "key", "--delay", "60", name])

    def choose_item(self, list_name, item_name):
        """Clicks a list entry, scrolling the list with the wheel until it is in view."""
        box = self.find("list", list_name)
        item = self.find("list item", item_name, root=box)
        bx, by, bw, bh = extents(box)
        # Leave room for the frame and for a horizontal scroll bar along the bottom.
        top, bottom = by, by + bh - 18
        for _ in range(20):
            x, y, w, h = extents(item)
            if h > 0 and y >= top and y + h <= bottom:
                break
            # Wheel button 5 scrolls down, 4 up.
            self.click_at(bx + bw // 2, by + bh // 2, 5 if y + h > bottom or h <= 0 else 4)
            time.sleep(0.2)
        else:
            raise E2EFailure(f"{item_name!r} never scrolled into view in {list_name!r}")
        self.click(item, f"{item_name!r} in {list_name!r}")
        wait_for(lambda: has_state(item, pyatspi.STATE_SELECTED),
                 f"{item_name!r} to be selected in {list_name!r}")

    def type_into(self, field_name, text):
        field = self.field(field_name)
        self.click(field, f"the field {field_name!r}")
        wait_for(lambda: has_state(field, pyatspi.STATE_FOCUSED),
                 f"the field {field_name!r} to take the focus")
        self.type(text)
        return field

    # -- what a person sees

    def expect_text(self, accessible, expected, what):
        wait_for(lambda: text_of(accessible) == expected, f"{what} to read {expected!r}",
                 detail=lambda: f"it reads {text_of(accessible)!r}")

    def expect_name(self, accessible, expected, what):
        wait_for(lambda: fresh(accessible).name == expected, f"{what} to read {expected!r}",
                 detail=lambda: f"it reads {fresh(accessible).name!r}")

    def result_labels(self):
        """Every row title and value label of the three result tables."""
        return [accessible for accessible in walk(self.app)
                if role_name(accessible) == "label" and accessible.description
                and (accessible.description.startswith("row title, ")
                     or accessible.description.startswith("1/"))]


# --- the flows ------------------------------------------------------------------

ANGLE_COLUMNS = ("W[m]", "H[m]", "Diagonal[m]", "W[deg]", "H[deg]", "Diagonal[deg]")


class FlowTest(unittest.TestCase):
    flow = None

    def setUp(self):
        self.program = Focimetra(DESKTOP)
        self.addCleanup(self.program.stop)
        self.program.start()

    def tearDown(self):
        # The screenshot is of the end of the flow, or of where it failed.
        if self.flow and not getattr(self, "_shot_taken", False):
            DESKTOP.screenshot(self.flow)
        process = self.program.process
        if process is not None and process.poll() is not None:
            self.fail(f"the program exited with status {process.returncode} during the flow: "
                      f"{self.program.output()}")
        output = self.program.output()
        for sign in ("runtime error:", "ERROR: AddressSanitizer", "ERROR: LeakSanitizer"):
            if sign in output:
                self.fail(f"the program reported {sign!r}: {output}")

    def screenshot(self):
        DESKTOP.screenshot(self.flow)
        self._shot_taken = True


class AngleOfViewTest(FlowTest):
    flow = "angle-of-view"

    def test_focal_length_and_distance_give_every_row(self):
        app = self.program
        app.type_into("Angle of view: f [mm]", "3.8")
        app.type_into("Angle of view: L [m]", "10")
        app.expect_text(app.field("Angle of view: f [mm]"), "3.8", "the angle-of-view f field")
        app.expect_text(app.field("Angle of view: L [m]"), "10", "the angle-of-view L field")
        expected = {
            "1/4type": ("9.5", "7.1", "11.8", "50.8", "39.1", "61.1"),
            "1/3type": ("12.6", "9.5", "15.8", "64.4", "50.8", "76.7"),
            "1/2type": ("16.8", "12.6", "21.1", "80.1", "64.4", "93.1"),
        }
        for row, values in expected.items():
            for column, value in zip(ANGLE_COLUMNS, values):
                app.expect_name(app.result(row, column, "angle of view"), value,
                                f"the angle of view {row} {column}")


class ObjectDistanceTest(FlowTest):
    flow = "object-distance"

    def test_width_gives_the_height(self):
        app = self.program
        app.type_into("Object distance: W [m]", "12")
        app.expect_text(app.field("Object distance: W [m]"), "12", "the object-distance W field")
        app.expect_text(app.field("Object distance: H [m]"), "9", "the object-distance H field")


class LensSelectionTest(FlowTest):
    flow = "lens-selection"

    def test_box_camera_with_a_separate_lens(self):
        app = self.program
        check = app.find("check box", "Lens Select")
        app.click(check, "the Lens Select check box")
        wait_for(lambda: has_state(check, pyatspi.STATE_CHECKED), "Lens Select to be ticked")
        box = app.find("radio button", "Fixed Camera(BOX)")
        wait_for(lambda: has_state(box, pyatspi.STATE_ENABLED), "the camera types to be enabled")
        app.click(box, "Fixed Camera(BOX)")
        wait_for(lambda: has_state(box, pyatspi.STATE_CHECKED), "Fixed Camera(BOX) to be chosen")
        app.choose_item("Camera models", "CAM-108")
        app.choose_item("Lens models", "LNS-10")
        app.expect_text(app.field("Angle of view: f [mm]"), "8.0", "the angle-of-view f field")
        app.expect_text(app.field("Object distance: f [mm]"), "8.0", "the object-distance f field")
        fmax = app.find("label", "/f_max [mm]  :80.0")
        fmin = app.find("label", "/f_min [mm]  :8.0")
        self.assertTrue(has_state(fmax, pyatspi.STATE_ENABLED))
        self.assertTrue(has_state(fmin, pyatspi.STATE_ENABLED))


class RangeWarningTest(FlowTest):
    flow = "range-warning"

    def test_typing_past_the_longest_focal_length_warns(self):
        app = self.program
        app.click(app.find("check box", "Lens Select"), "the Lens Select check box")
        box = app.find("radio button", "Fixed Camera(BOX)")
        wait_for(lambda: has_state(box, pyatspi.STATE_ENABLED), "the camera types to be enabled")
        app.click(box, "Fixed Camera(BOX)")
        app.choose_item("Camera models", "CAM-101")
        field = app.field("Angle of view: f [mm]")
        app.expect_text(field, "3.8", "the angle-of-view f field")
        app.expect_text(app.field("Object distance: f [mm]"), "3.8", "the object-distance f field")
        app.find("label", "/f_max [mm]  :83.4")

        # The click selects the whole "3.8"; "8" replaces it without a warning.
        app.click(field, "the angle-of-view f field")
        wait_for(lambda: has_state(field, pyatspi.STATE_FOCUSED), "the f field to take the focus")
        app.type("8")
        app.expect_text(field, "8", "the angle-of-view f field")
        self.assertIsNone(self.warning(), "a warning came up for 8 mm, which is in range")

        # "85" is beyond the camera's 83.4 mm.
        app.type("5")
        dialog, message = wait_for(self.warning, "the range warning message box",
                                   detail=self.describe_windows)
        self.assertEqual(message, MAX_WARNING)
        wait_for(lambda: len(app.windows()) == 2, "the message box's own window to be mapped",
                 detail=lambda: f"windows: {[hex(window) for window in app.windows()]}")
        # Return goes to the window with the input focus: the message box must have it.
        wait_for(lambda: has_state(dialog, pyatspi.STATE_ACTIVE), "the message box to be active")
        self.screenshot()
        app.key("Return")
        wait_for(lambda: self.warning() is None, "the message box to close after Return")
        wait_for(lambda: len(app.windows()) == 1, "the message box's window to be unmapped")
        app.expect_text(field, "85", "the angle-of-view f field")

    def warning(self):
        for top in fresh(self.program.app):
            if top is None or role_name(top) not in ("alert", "dialog"):
                continue
            for accessible in walk(top):
                if role_name(accessible) == "label" and "value of the camera" in accessible.name:
                    return top, accessible.name
        return None

    def describe_windows(self):
        return "top-level objects: " + ", ".join(
            f"{role_name(top)} {top.name!r}" for top in fresh(self.program.app) if top is not None)


class LensSelectOffTest(FlowTest):
    flow = "lens-select-off"

    def test_unticking_enables_every_row_and_empties_the_lists(self):
        app = self.program
        check = app.find("check box", "Lens Select")
        app.click(check, "the Lens Select check box")
        box = app.find("radio button", "Fixed Camera(BOX)")
        wait_for(lambda: has_state(box, pyatspi.STATE_ENABLED), "the camera types to be enabled")
        app.click(box, "Fixed Camera(BOX)")
        app.choose_item("Camera models", "CAM-101")
        # CAM-101 is a 1/4-type camera: the other rows are greyed out for now.
        other = app.result("1/2type", "W[m]", "angle of view")
        wait_for(lambda: not has_state(other, pyatspi.STATE_ENABLED),
                 "the 1/2type row to be disabled for a 1/4-type camera")

        app.click(check, "the Lens Select check box")
        wait_for(lambda: not has_state(check, pyatspi.STATE_CHECKED), "Lens Select to be unticked")
        labels = app.result_labels()
        self.assertEqual(len(labels), 3 * 7 + 3 * 2 + 3 * 2, "result labels found")

        def disabled():
            return [f"{label.description} ({label.name})" for label in labels
                    if not (has_state(label, pyatspi.STATE_ENABLED)
                            and has_state(label, pyatspi.STATE_SENSITIVE))]
        wait_for(lambda: not disabled(), "every result row to be enabled",
                 detail=lambda: f"still disabled: {disabled()}")
        for name in ("Camera models", "Lens models"):
            lst = app.find("list", name)
            wait_for(lambda: fresh(lst).childCount == 0, f"the list {name!r} to be empty",
                     detail=lambda: f"it holds {[item.name for item in fresh(lst)]}")
        self.assertFalse(has_state(box, pyatspi.STATE_CHECKED), "a camera type is still chosen")
        self.assertFalse(has_state(box, pyatspi.STATE_ENABLED), "the camera types are still enabled")


def main():
    global PROGRAM, SANITIZED
    args = sys.argv[1:]
    if "--sanitized" in args:
        SANITIZED = True
        args.remove("--sanitized")
    if not args or not os.access(args[0], os.X_OK):
        print(__doc__, file=sys.stderr)
        return 2
    PROGRAM = os.path.abspath(args[0])
    for tool in ("Xvfb", "dbus-daemon", "dbus-send", "xdotool", "import", A11Y_LAUNCHER):
        if shutil.which(tool) is None:
            print(f"e2e: {tool} is missing (scripts/setup.sh installs it)", file=sys.stderr)
            return 1
    if not has_pyatspi():
        print("e2e: pyatspi is missing (scripts/setup.sh installs python3-pyatspi)",
              file=sys.stderr)
        return 1
    # ctest's TIMEOUT is 300 s; stop well before it, cleanly.
    start_watchdog(float(os.environ.get("FOCIMETRA_E2E_BUDGET", "270")))
    # A SIGTERM (ctest giving up on the run) stops the run like Ctrl+C does.
    signal.signal(signal.SIGTERM, _interrupt)
    # pyatspi uses interfaces that newer libatspi calls deprecated; that is not news here.
    warnings.simplefilter("default")
    warnings.filterwarnings("ignore", category=DeprecationWarning)
    warnings.filterwarnings("ignore", category=ImportWarning)
    try:
        program = unittest.main(module=__name__, argv=[sys.argv[0]] + args[1:], exit=False,
                                verbosity=2, warnings=False)
    except KeyboardInterrupt:
        log("interrupted; stopping what the run started")
        return 1
    finally:
        stop_everything()
    return 0 if program.result.wasSuccessful() else 1


def _interrupt(signum, frame):
    raise KeyboardInterrupt(f"signal {signum}")


if __name__ == "__main__":
    sys.exit(main())
