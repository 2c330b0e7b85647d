"""One running instance of the focimetra binary on the private desktop: found in
the accessibility tree, driven with xdotool (real X input through XTEST)."""

import os
import signal
import time

import e2e_atspi
from e2e_atspi import extents, fresh, has_state, role_name, text_of, wait_for, walk
from e2e_processes import E2EFailure, log, spawn, stop_process

WINDOW_TITLE = "Focimetra"


class Focimetra:
    """One running instance of the program on the private desktop."""

    def __init__(self, desktop, program, sanitized=False, settings=None):
        self.desktop = desktop
        self.program = program      # path of the binary under test
        self.sanitized = sanitized  # built with the address and undefined-behaviour sanitizers
        self.settings = settings or {}  # the desktop's own settings, such as its theme
        self.process = None
        self.window = None
        self.app = None
        self.log_path = None

    def environment(self):
        env = dict(self.desktop.env)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_ACCESSIBILITY"] = "1"
        env.update(self.settings)
        if self.sanitized:
            # Leaks are for the unit tests to find: the program is ended with SIGTERM
            # here, and fontconfig and the D-Bus libraries keep memory until exit.
            options = [opt for opt in env.get("ASAN_OPTIONS", "").split(":")
                       if opt and not opt.startswith("detect_leaks=")]
            env["ASAN_OPTIONS"] = ":".join(options + ["detect_leaks=0"])
        return env

    def launch(self):
        """Starts the program and waits for it in the accessibility tree."""
        self.log_path = os.path.join(self.desktop.workdir, f"program-{time.monotonic_ns()}.log")
        self.process = spawn([self.program], self.environment(), self.log_path)
        log(f"started {self.program} (pid {self.process.pid})")
        self.app = wait_for(self._application, "the program in the accessibility tree",
                            detail=self._exit_detail)
        try:
            self.app.set_cache_mask(e2e_atspi.pyatspi.Atspi.Cache.NONE)
        except Exception:
            pass
        wait_for(lambda: self.maybe_find("check box", "Lens Select"),
                 "the window's controls in the accessibility tree", detail=self._exit_detail)

    def start(self):
        self.launch()
        self.window = wait_for(self._mapped_window, f"the window \"{WINDOW_TITLE}\" to be mapped",
                               detail=self._exit_detail)
        log(f"window 0x{self.window:x} is mapped")
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
        desktop = fresh(e2e_atspi.pyatspi.Registry.getDesktop(0))
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

    def result_with_note(self, row, column, table):
        """The result label, whether or not a pixel-density note follows its place in
        its description."""
        place = f"{row}, {column}, {table}"
        return wait_for(lambda: next(
            (label for label in walk(self.app) if role_name(label) == "label"
             and (label.description == place or label.description.startswith(place + ", "))),
            None), f"the label described {place!r}")

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
        wait_for(lambda: has_state(item, e2e_atspi.pyatspi.STATE_SELECTED),
                 f"{item_name!r} to be selected in {list_name!r}")

    def type_into(self, field_name, text):
        field = self.field(field_name)
        self.click(field, f"the field {field_name!r}")
        wait_for(lambda: has_state(field, e2e_atspi.pyatspi.STATE_FOCUSED),
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

    def message_box(self):
        """The message box that is up, as (its accessible, its text); None when none is."""
        for top in fresh(self.app):
            if top is None or role_name(top) not in ("alert", "dialog"):
                continue
            for accessible in walk(top):
                if role_name(accessible) == "label" and accessible.name:
                    return top, accessible.name
        return None

    def answer_message(self, expected):
        """Waits for the message box with the text expected and answers it with Return,
        as a person does: the box must have the input focus for that."""
        dialog, message = wait_for(self.message_box, f"the message {expected!r}")
        if message != expected:
            raise E2EFailure(f"the message box says {message!r}, not {expected!r}")
        wait_for(lambda: has_state(dialog, e2e_atspi.pyatspi.STATE_ACTIVE),
                 "the message box to be active")
        self.key("Return")
        wait_for(lambda: self.message_box() is None, "the message box to close after Return")
