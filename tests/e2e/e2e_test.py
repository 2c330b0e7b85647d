#!/usr/bin/env python3
"""End-to-end tests of the focimetra binary, used the way a person uses it.

Each run brings up a desktop of its own: an Xvfb server on a display number that
the server picks itself, managed by Openbox, a private D-Bus session bus and the
AT-SPI bus launcher on it. Every test starts the program afresh on that desktop, moves the pointer, clicks
and types with xdotool (real X input through XTEST), reads what the window shows
back through the accessibility tree (pyatspi), and leaves a screenshot
e2e-<flow>.png in the current directory. One test runs the program as a native
Wayland client of a headless Weston instead, read through the same buses.

    e2e_test.py PROGRAM --replay HARNESS [--sanitized] [unittest options]

Only the standard library and pyatspi are used; pyatspi is imported once the
private buses are up, so that it never starts a bus of its own.
"""

import os
import re
import shutil
import signal
import sys
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

# The helper modules sit beside this file; -P or PYTHONSAFEPATH would leave this
# folder off sys.path. No __pycache__ is left in the source tree.
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True

import e2e_atspi
from e2e_atspi import extents, fresh, has_state, role_name, wait_for, walk
from e2e_desktop import A11Y_LAUNCHER, DESKTOP, start_watchdog, stop_everything
from e2e_processes import log
from e2e_program import Focimetra
from e2e_replay import RealWindowPlayer, play_and_compare, replay_screenshot
from e2e_wayland import Weston, WaylandFocimetra

PROGRAM = None          # the binary under test, from the command line
REPLAY = None           # the replay harness, from --replay
SANITIZED = False       # built with the address and undefined-behaviour sanitizers
pyatspi = None          # bound by setUpModule, once the buses exist

MAX_WARNING = "MAX of F value of the camera has been exceeded. Please rewrite correct num."
MIN_WARNING = "MIN of F value of the camera has been exceeded. Please rewrite correct num."


def setUpModule():
    global pyatspi
    try:
        DESKTOP.start()
    except BaseException:
        DESKTOP.stop()
        raise
    pyatspi = e2e_atspi.pyatspi


def tearDownModule():
    DESKTOP.stop()


# --- the flows ------------------------------------------------------------------

ANGLE_COLUMNS = ("W[m]", "H[m]", "Diagonal[m]", "W[deg]", "H[deg]", "Diagonal[deg]")


class FlowTest(unittest.TestCase):
    flow = None
    settings = None  # the desktop's settings the program starts under

    def setUp(self):
        self.program = Focimetra(DESKTOP, PROGRAM, SANITIZED, self.settings)
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
        # Every key sent the server only the pixels it changed: the window on the
        # display shows, pixel for pixel, what the harness paints offscreen for the
        # same keys. The focused field is left out, as its caret blinks.
        offscreen = replay_screenshot(REPLAY, ["type Txt_ang_f 3.8", "type Txt_ang_L 10"],
                                      DESKTOP.path("offscreen.png"))
        caret = DESKTOP.window_rect(app.window, extents(app.field("Angle of view: L [m]")))
        differing = lambda: DESKTOP.differing_pixels(
            DESKTOP.window_pixels(app.window, "on-display"), offscreen, caret)
        wait_for(lambda: differing() == 0,
                 "the window on the display to show what the harness paints offscreen",
                 detail=lambda: f"{differing()} pixels differ")

        # The keypad's decimal key on a German desktop with Num Lock on types ","
        # (KP_Separator, as the desktop's keypad option gives it; Debian's plain "de"
        # map gives KP_Decimal, "."): either is the decimal point. The layout and
        # Num Lock are put back afterwards.
        DESKTOP.run(["setxkbmap", "de"])
        self.addCleanup(DESKTOP.run, ["setxkbmap", "us"])
        if "off" in DESKTOP.run(["numlockx", "status"]):
            DESKTOP.run(["numlockx", "on"])
            self.addCleanup(DESKTOP.run, ["numlockx", "off"])
        f = app.type_into("Angle of view: f [mm]", "")
        for key in ("KP_4", "KP_Separator", "KP_5"):
            app.key(key)
        app.expect_text(f, "4.5", "the angle-of-view f keyed on the German keypad")
        DESKTOP.run(["setxkbmap", "us"])
        # Values pasted from a document or a spreadsheet cell lose the white space
        # around them, and are the values they show.
        app.type_into("Angle of view: L [m]", "7")
        player = RealWindowPlayer(app, DESKTOP, pyatspi.STATE_FOCUSED)
        for name, text, shows in (("Txt_ang_f", " 3.8 ", "3.8"), ("Txt_ang_L", "10\t", "10")):
            player.focus(name)
            player.paste(name, text, shows)
        for column, value in zip(ANGLE_COLUMNS, expected["1/3type"]):
            app.expect_name(app.result("1/3type", column, "angle of view"), value,
                            f"the angle of view 1/3type {column} after the pastes")
        # As a screen reader or voice control sets a text.
        distance = app.field("Angle of view: L [m]")
        distance.queryEditableText().setTextContents(" 5")
        app.expect_text(distance, "5", "the angle-of-view L set to ' 5'")
        app.expect_name(app.result("1/3type", "W[m]", "angle of view"), "6.3",
                        "the angle of view 1/3type W[m] for L = 5")


class LongValuesTest(FlowTest):
    flow = "long-values"

    def test_the_longest_values_are_shown_whole(self):
        # The screenshot shows every digit; the window tests read the same from the
        # pixels at several pixel ratios.
        app = self.program
        for field, text in (("Minimum illumination: known illumination [lux]", "5"),
                            ("Minimum illumination: F-number of the known illumination", "1.2"),
                            ("Minimum illumination: target F-number", "22"),
                            ("Angle of view: f [mm]", "1"), ("Angle of view: L [m]", "9999"),
                            ("Object distance: f [mm]", "9999"), ("Object distance: H [m]", "999")):
            app.type_into(field, text)
            app.expect_text(app.field(field), text, f"the field {field!r}")
        app.expect_text(app.field("Minimum illumination: converted illumination [lux]"),
                        "1680.56", "the converted illumination")
        app.expect_name(app.result("1/2type", "W[m]", "angle of view"), "63993.6",
                        "the angle of view 1/2type W[m]")
        app.expect_name(app.result("1/3type", "L[m]", "object distance"), "2774722.5",
                        "the object distance 1/3type")


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


def contrast(first, second):
    """How far two colours stand apart: the ratio of their relative luminances,
    each plus 0.05 (1 to 21)."""
    def luminance(colour):
        linear = [c / 255 / 12.92 if c <= 10 else ((c / 255 + 0.055) / 1.055) ** 2.4
                  for c in colour]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    lighter, darker = sorted((luminance(first), luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def ground_and_ink(rows):
    """The commonest colour of a patch (what stands behind) and how far the pixel
    that stands out from it most does."""
    counts = {}
    for row in rows:
        for pixel in row:
            counts[pixel] = counts.get(pixel, 0) + 1
    ground = max(counts, key=counts.get)
    return ground, max(contrast(pixel, ground) for pixel in counts)


def long_runs(rows, ground, least):
    """The colours other than the ground that run unbroken along least pixels of a
    row: the lines of a patch."""
    colours = set()
    for row in rows:
        run, previous = 0, None
        for pixel in row:
            run = run + 1 if pixel == previous else 1
            previous = pixel
            if run >= least and pixel != ground:
                colours.add(pixel)
    return colours


class DarkDesktopTest(FlowTest):
    flow = "dark-desktop"
    # GNOME's dark style, as it reaches a Qt program through the gtk3 platform theme.
    # GTK's own accessibility bridge stays off: Qt's is the one that speaks for the
    # window.
    settings = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark", "NO_AT_BRIDGE": "1"}

    def test_typed_values_and_grid_lines_stand_out(self):
        app = self.program
        fields = [field for field in walk(app.app) if role_name(field) == "text"
                  and has_state(field, pyatspi.STATE_EDITABLE)
                  and not has_state(field, pyatspi.STATE_READ_ONLY)]
        self.assertEqual(len(fields), 11, "the entry fields")
        for field in fields:
            app.type_into(field.name, "5")
            app.expect_text(field, "5", f"the field {field.name!r}")
        window = DESKTOP.window_pixels(app.window, "dark")
        ground, _ = ground_and_ink(DESKTOP.pixels(window, (0, 0, 200, 30)))
        self.assertLess(sum(ground), 3 * 128, f"the window is not dark: {ground}")
        self.screenshot()
        shot = os.path.join(os.getcwd(), f"e2e-{self.flow}.png")
        reaches = []
        for field in fields:
            x, y, width, height = extents(field)
            fill, reach = ground_and_ink(DESKTOP.pixels(shot, (x + 3, y + 3, width - 6,
                                                               height - 6)))
            self.assertGreaterEqual(reach, 4.5, f"the text of {field.name!r} on {fill}")
            reaches.append(reach)
        log(f"typed text on its fill: {min(reaches):.2f}:1 at least")
        # The angle-of-view table, from its first row title to its last value.
        corners = [extents(app.result(row, column, "angle of view"))
                   for row in ("1/4type", "1/2type") for column in ANGLE_COLUMNS]
        left = min(x for x, _, _, _ in corners) - 40
        top = min(y for _, y, _, _ in corners) - 24
        right = max(x + w for x, _, w, _ in corners) + 4
        bottom = max(y + h for _, y, _, h in corners) + 4
        table = DESKTOP.pixels(shot, (left, top, right - left, bottom - top))
        behind, _ = ground_and_ink(table)
        across = long_runs(table, behind, 200)
        down = long_runs([list(column) for column in zip(*table)], behind, 60)
        self.assertTrue(across and down, "the table's grid lines")
        for colour in across | down:
            self.assertGreaterEqual(contrast(colour, behind), 3,
                                    f"a grid line {colour} on the window {behind}")
            log(f"grid line {colour} on the window {behind}: {contrast(colour, behind):.2f}:1")


def choose_camera(app, camera_type, model):
    """Ticks "Lens Select", clicks the camera type and chooses the camera."""
    app.click(app.find("check box", "Lens Select"), "the Lens Select check box")
    option = app.find("radio button", camera_type)
    wait_for(lambda: has_state(option, pyatspi.STATE_ENABLED), "the camera types to be enabled")
    app.click(option, camera_type)
    wait_for(lambda: has_state(option, pyatspi.STATE_CHECKED), f"{camera_type} to be chosen")
    app.choose_item("Camera models", model)


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

    def test_a_pasted_focal_length_is_checked_once(self):
        app = self.program
        choose_camera(app, "Fixed Camera(Dome)", "CAM-114")
        app.find("label", "/f_max [mm]  :8.0")
        player = RealWindowPlayer(app, DESKTOP, pyatspi.STATE_FOCUSED)
        for name, text, expected in (("Txt_ang_f", "500", MAX_WARNING),
                                     ("Txt_L_f", "abc", MIN_WARNING), ("Txt_L_f", "5", None)):
            player.focus(name)
            player.paste(name, text)
            if expected is not None:
                dialog, message = wait_for(self.warning, f"the range warning for {text!r}")
                self.assertEqual(message, expected)
                wait_for(lambda: has_state(dialog, pyatspi.STATE_ACTIVE),
                         "the message box to be active")
                app.key("Return")
                wait_for(lambda: self.warning() is None, "the message box to close")
            time.sleep(0.5)  # a second warning would be up by now
            self.assertIsNone(self.warning(), f"more than one warning for {text!r}")
            app.expect_text(player.field(name), text, f"the pasted {name}")

    def test_a_focal_length_set_by_an_assistive_technology_returns_at_once(self):
        app = self.program
        choose_camera(app, "Fixed Camera(Dome)", "CAM-114")
        app.find("label", "/f_max [mm]  :8.0")
        focused = app.type_into("Focal length: L [m]", "10")
        for name, text, expected in (("Object distance: f [mm]", "99", MAX_WARNING),
                                     ("Angle of view: f [mm]", "1", MIN_WARNING)):
            field = app.field(name)
            # As a screen reader or voice control sets a text, over D-Bus: the call
            # must not wait for the user to answer the warning it raises.
            started = time.monotonic()
            field.queryEditableText().setTextContents(text)
            took = time.monotonic() - started
            self.assertLess(took, 1.0, f"setting {name} to {text!r} took {took:.1f} s")
            app.answer_message(expected)
            time.sleep(0.5)  # a second warning would be up by now
            self.assertIsNone(self.warning(), f"more than one warning for {text!r}")
            app.expect_text(field, text, name)
            wait_for(lambda: has_state(focused, pyatspi.STATE_FOCUSED),
                     "the focus to be back in the field that had it")

    def warning(self):
        shown = self.program.message_box()
        return shown if shown is not None and "value of the camera" in shown[1] else None

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


class HarnessAgreementTest(FlowTest):
    flow = "harness-agreement"

    def test_the_harness_and_the_real_window_show_the_same(self):
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "agreement.replay")
        compared = play_and_compare(self.program, DESKTOP, REPLAY, script,
                                    pyatspi.STATE_FOCUSED)
        self.assertGreater(compared, 0, "the script compares nothing")


DORI = " (DORI, EN 62676-4:2015)"


class PixelDensityTest(FlowTest):
    flow = "pixel-density"

    def test_chosen_camera_gives_pixels_per_metre(self):
        app = self.program
        choose_camera(app, "Fixed Camera(Dome)", "CAM-116")
        app.expect_text(app.field("Angle of view: f [mm]"), "2.8", "the angle-of-view f field")
        app.type_into("Angle of view: L [m]", "10")
        width = app.find("label", description="1/4type, W[m], angle of view, "
                                              "58 px/m across: detect" + DORI)
        height = app.find("label", description="1/4type, H[m], angle of view, "
                                               "60 px/m down: detect" + DORI)
        app.expect_name(width, "12.9", "the 1/4type W[m]")
        app.expect_name(height, "9.6", "the 1/4type H[m]")
        # The greyed rows say nothing.
        app.result("1/3type", "W[m]", "angle of view")

        self.hover(width)
        self.expect_tool_tip("58 px/m across: detect" + DORI)
        self.hover(app.field("Object distance: f [mm]"))
        self.expect_tool_tip("CAM-116 at 2.8 mm: identify up to 2.3 m, recognise 4.7 m, "
                             "observe 9.4 m, detect 23.4 m" + DORI)
        self.screenshot()

    def hover(self, accessible):
        # Away first: a tool tip already up would only follow the pointer.
        self.program.point_at(1, 1)
        x, y, width, height = extents(accessible)
        self.program.point_at(x + width // 2, y + height // 2)

    def expect_tool_tip(self, text):
        def shown():
            return [top.name for top in fresh(self.program.app)
                    if top is not None and role_name(top) == "tool tip"]
        wait_for(lambda: text in shown(), f"the tool tip {text!r}",
                 detail=lambda: f"tool tips up: {shown()}")


COPIED_CAM_116 = """\
Angle of View [f and L -> W and H Angle]
f [mm]\t2.8
L [m]\t10
CCD\tW[m]\tH[m]\tDiagonal[m]\tW[deg]\tH[deg]\tDiagonal[deg]
1/4type\t12.9\t9.6\t16.1\t65.7\t51.3\t77.7
1/3type\t0\t0\t0\t0\t0\t0\tgreyed
1/2type\t0\t0\t0\t0\t0\t0\tgreyed

f and WorH ->L
f [mm]\t2.8
W [m]\t
H [m]\t
CCD\tL[m]
1/4type\t0.0
1/3type\t0\tgreyed
1/2type\t0\tgreyed

WorH and L ->f
W [m]\t
H [m]\t
L [m]\t
CCD\tf[m]
1/4type\t0
1/3type\t0\tgreyed
1/2type\t0\tgreyed

Minimum.illumination
known illumination [lux]\t
F-number of the known illumination\t
target F-number\t
converted illumination [lux]\t

Lens Select
Camera Type\tFixed Camera(Dome)
Camera\tCAM-116
CCD\t1/4
f_min [mm]\t2.8
f_max [mm]\t10.0
Pixels a\t752
Pixels b\t582
Pixels a*b\t0.44
"""


class CopyResultsTest(FlowTest):
    flow = "copy-results"

    def test_shortcut_puts_the_figures_on_the_clipboard(self):
        app = self.program
        choose_camera(app, "Fixed Camera(Dome)", "CAM-116")
        field = app.type_into("Angle of view: L [m]", "10")
        app.expect_name(app.find("label", description="1/4type, H[m], angle of view, "
                                                      "60 px/m down: detect" + DORI),
                        "9.6", "the 1/4type H[m]")
        app.key("ctrl+shift+c")
        wait_for(lambda: self.clipboard() == COPIED_CAM_116, "the results on the clipboard",
                 detail=lambda: f"it holds {self.clipboard()!r}")
        app.expect_text(field, "10", "the angle-of-view L field")

    def clipboard(self):
        return DESKTOP.run(["xclip", "-selection", "clipboard", "-o", "-t", "UTF8_STRING"],
                           check=False)


class WindowMenuTest(FlowTest):
    flow = "window-menu"

    def open_menu(self):
        """Right-clicks the company label, on the window's background. Qt keeps popup
        menus out of the accessibility tree: the menu is seen as a second window."""
        app = self.program
        x, y, width, height = extents(app.find("label", "Kestrova System Solutions"))
        app.click_at(x + width // 2, y + height // 2, button=3)
        wait_for(lambda: len(app.windows()) == 2, "the menu's window to be mapped")

    def test_background_menu_copies_and_tells_about(self):
        app = self.program
        app.type_into("Angle of view: f [mm]", "3.8")
        self.open_menu()
        self.screenshot()
        app.key("Down")  # "Copy results"
        app.key("Return")
        wait_for(lambda: CopyResultsTest.clipboard(self).startswith(
                     "Angle of View [f and L -> W and H Angle]\nf [mm]\t3.8\nL [m]\t\n"),
                 "the results on the clipboard",
                 detail=lambda: f"it holds {CopyResultsTest.clipboard(self)!r}")

        self.open_menu()
        for _ in range(4):  # past "Print…" and "Export as PDF…" to "About Focimetra"
            app.key("Down")
        app.key("Return")
        dialog = wait_for(lambda: next((top for top in fresh(app.app) if top is not None
                                        and top.name == "About Focimetra"), None),
                          "the About Focimetra box")
        text = " ".join(accessible.name for accessible in walk(dialog)
                        if role_name(accessible) == "label")
        for part in ("Focimetra 1.", "CCTV", "MIT licence", "Qt 6."):
            self.assertIn(part, text)
        DESKTOP.screenshot("about")
        app.key("Return")
        wait_for(lambda: len(app.windows()) == 1, "the About box to close")


    def test_background_menu_exports_the_sheet(self):
        app = self.program
        app.type_into("Angle of view: f [mm]", "3.8")
        app.type_into("Angle of view: L [m]", "10")
        folder = DESKTOP.path("export")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        path = os.path.join(folder, "sheet.pdf")
        self.open_menu()
        for _ in range(3):  # "Export as PDF…"
            app.key("Down")
        app.key("Return")
        wait_for(lambda: next((top for top in fresh(app.app) if top is not None
                               and top.name == "Export as PDF"), None), "the file dialog")
        app.key("ctrl+a")  # over the proposed name
        app.type(path)
        app.key("Return")
        wait_for(lambda: os.path.exists(path), "the exported sheet", detail=lambda: os.listdir(folder))
        wait_for(lambda: len(app.windows()) == 1, "the file dialog to close")
        text = DESKTOP.run(["pdftotext", "-layout", path, "-"])
        lines = [" ".join(line.split()) for line in text.splitlines()]
        self.assertIn("1/3type 12.6 9.5 15.8 64.4 50.8 76.7", lines)
        self.assertIn("f [mm] 3.8", lines)
        app.expect_text(app.field("Angle of view: L [m]"), "10", "the angle-of-view L field")


class WaylandTest(FlowTest):
    """The program as a native Wayland client of a headless Weston, with no X
    display to fall back on."""

    def setUp(self):
        self.weston = Weston(DESKTOP)
        self.addCleanup(self.weston.stop)
        self.weston.start()
        self.program = WaylandFocimetra(DESKTOP, self.weston, PROGRAM, SANITIZED)
        self.addCleanup(self.program.stop)
        self.program.start()

    def test_window_opens_with_its_fixed_size(self):
        app = self.program
        # Qt names the top level "filler" here, "frame" on X11: found by its title.
        window = wait_for(lambda: next((top for top in fresh(app.app)
                                        if top is not None and top.name == "Focimetra"), None),
                          "the window \"Focimetra\" in the accessibility tree")
        wait_for(lambda: extents(window)[2:] == (810, 605), "the window to be 810 x 605",
                 detail=lambda: f"it is {extents(window)[2:]}")
        app.expect_name(app.result("1/4type", "W[m]", "angle of view"), "0",
                        "the angle of view 1/4type W[m]")
        # What the program told the compositor: a fixed size, and the desktop file
        # name before the first frame, so that its icon and grouping hold at once.
        output = app.full_output()
        first_frame = output.find(".attach(")
        self.assertNotEqual(first_frame, -1, "no buffer was ever attached")
        for request in ("set_min_size(810, 605)", "set_max_size(810, 605)",
                        'set_app_id("io.github.focimetra.Focimetra")'):
            sent = re.search(r"-> xdg_toplevel@\d+\." + re.escape(request), output)
            self.assertIsNotNone(sent, f"the window's {request} was never sent")
            self.assertLess(sent.start(), first_frame, f"{request} came after the first frame")
        self.weston.screenshot("wayland")


def main():
    global PROGRAM, REPLAY, SANITIZED
    args = sys.argv[1:]
    if "--sanitized" in args:
        SANITIZED = True
        args.remove("--sanitized")
    if "--replay" in args:
        at = args.index("--replay")
        REPLAY = os.path.abspath(args[at + 1])
        del args[at:at + 2]
    if not args or not os.access(args[0], os.X_OK):
        print(__doc__, file=sys.stderr)
        return 2
    PROGRAM = os.path.abspath(args[0])
    if REPLAY is None or not os.access(REPLAY, os.X_OK):
        print("e2e: --replay names no runnable harness", file=sys.stderr)
        return 2
    for tool in ("Xvfb", "dbus-daemon", "dbus-send", "xdotool", "import", "weston", "xclip",
                 A11Y_LAUNCHER):
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
