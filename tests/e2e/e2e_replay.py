"""A replay script played twice: through focimetra-replay on Qt's offscreen
platform, and through the real window on the private desktop with xdotool. What
both show at each `dump` must agree: fields, results and the focus. A message box
that the harness reports before a dump is answered on the display before that dump
is compared, so an action that raises one must be the last before its dump."""

import os
import subprocess

import e2e_atspi
from e2e_atspi import fresh, has_state, role_name, text_of, wait_for, walk
from e2e_processes import E2EFailure, log, spawn, stop_process

# The accessible names of the entry fields, by control name.
FIELDS = {
    "Txt_ang_f": "Angle of view: f [mm]",
    "Txt_ang_L": "Angle of view: L [m]",
    "Txt_L_f": "Object distance: f [mm]",
    "Txt_L_W": "Object distance: W [m]",
    "Txt_L_H": "Object distance: H [m]",
    "TxtWandL_W": "Focal length: W [m]",
    "TxtWandL_H": "Focal length: H [m]",
    "TxtWandL_L": "Focal length: L [m]",
    "Txtillumination_M0": "Minimum illumination: known illumination [lux]",
    "Txt_F0": "Minimum illumination: F-number of the known illumination",
    "Txt_F1": "Minimum illumination: target F-number",
    "Txtillumination_M1": "Minimum illumination: converted illumination [lux]",
}

# The single-value result labels, by control name: row, column, calculator.
RESULTS = {
    "lbl_L_4(1)": ("1/4type", "L[m]", "object distance"),
    "Lbl_L3(1)": ("1/3type", "L[m]", "object distance"),
    "lbl_L_2(1)": ("1/2type", "L[m]", "object distance"),
    "lbl_f_4(1)": ("1/4type", "f[mm]", "focal length"),
    "lbl_f_3(1)": ("1/3type", "f[mm]", "focal length"),
    "lbl_f_2(1)": ("1/2type", "f[mm]", "focal length"),
}

# The other controls a script clicks, chooses in or leaves the focus on: role, name.
CONTROLS = {
    "ChkCameraSelect": ("check box", "Lens Select"),
    "OptCameraType(0)": ("radio button", "Fixed Camera(BOX)"),
    "OptCameraType(1)": ("radio button", "Fixed Camera(Dome)"),
    "OptCameraType(2)": ("radio button", "PTZ Camera"),
    "LstCamera": ("list", "Camera models"),
    "LstLens": ("list", "Lens models"),
}

# The harness's key names as xdotool names them.
KEYS = {"BS": "BackSpace", "RET": "Return", "ESC": "Escape", "SPACE": "space", "DEL": "Delete",
        "HOME": "Home", "END": "End", "LEFT": "Left", "RIGHT": "Right"}


def parse(path):
    """The script's actions as (action, name, text) triples."""
    actions = []
    with open(path, encoding="utf-8") as script:
        for line in script:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            action, _, rest = line.partition(" ")
            name, _, text = rest.partition(" ")
            actions.append((action, name, text))
    return actions


def replay_dumps(replay, script):
    """What the harness shows at each dump: {control name: value} in order, with the
    messages shown since the dump before under "message"."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    output = subprocess.run([replay, script], env=env, capture_output=True, text=True,
                            timeout=60, check=True).stdout
    dumps, current, messages = [], None, []
    for line in output.splitlines():
        if line.startswith("message\t"):
            messages.append(line.split("\t", 2)[2])
        elif line == "dump":
            current, messages = {"message": messages}, []
        elif line == "end":
            dumps.append(current)
            current = None
        elif current is not None:
            name, _, rest = line.partition("\t")
            current[name] = rest.partition("\t")[2]
    return dumps


def replay_screenshot(replay, lines, path):
    """The harness's window, painted offscreen after the script's lines, as path."""
    script = path.replace(".png", ".replay")
    with open(script, "w") as file:
        file.write("\n".join([*lines, f"screenshot {path}", ""]))
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run([replay, script], env=env, capture_output=True, timeout=60, check=True)
    return path


class RealWindowPlayer:
    """Plays the script's actions on the running program, as a person would."""

    def __init__(self, app, desktop, state_focused):
        self.app = app
        self.desktop = desktop
        self.state_focused = state_focused

    def field(self, name):
        if name not in FIELDS:
            raise E2EFailure(f"the script names {name!r}, which is no entry field")
        return self.app.field(FIELDS[name])

    def control(self, name):
        if name in FIELDS:
            return self.field(name)
        if name not in CONTROLS:
            raise E2EFailure(f"the script names {name!r}, which the real window cannot find")
        return self.app.find(*CONTROLS[name])

    def focused(self):
        """The control name of the control with the focus, "" when none has it: one
        walk of the tree, not one search for each control."""
        by_accessible = {("text", accessible): name for name, accessible in FIELDS.items()}
        by_accessible.update({control: name for name, control in CONTROLS.items()})
        for accessible in walk(self.app.app):
            name = by_accessible.get((role_name(accessible), accessible.name))
            if name and accessible.getState().contains(self.state_focused):
                return name
        return ""

    def focus(self, name):
        field = self.field(name)
        if fresh(field).getState().contains(self.state_focused):
            return field
        self.app.click(field, f"the field {name}")
        wait_for(lambda: fresh(field).getState().contains(self.state_focused),
                 f"the field {name} to take the focus")
        return field

    def paste(self, name, text, shows=None):
        """A paste of text over the whole of the focused field: Ctrl+A, Ctrl+V. The
        harness pastes without moving the focus, a person pastes where it is. The
        field then shows `shows` (the text, unless told otherwise)."""
        shows = text if shows is None else shows
        field = self.field(name)
        if not fresh(field).getState().contains(self.state_focused):
            raise E2EFailure(f"the script pastes into {name}, which has not the focus")
        source = os.path.join(self.desktop.workdir, "clipboard.txt")
        with open(source, "w", encoding="utf-8") as file:
            file.write(text)
        owner = spawn(["xclip", "-quiet", "-selection", "clipboard", "-i", source],
                      self.desktop.env, os.path.join(self.desktop.workdir, "xclip.log"))
        try:
            wait_for(lambda: self.desktop.run(["xclip", "-o", "-selection", "clipboard"],
                                              check=False) == text,
                     "the clipboard to hold the text to paste")
            self.app.key("ctrl+a")
            self.app.key("ctrl+v")
            wait_for(lambda: text_of(field) == shows, f"{name} to read {shows!r} pasted as {text!r}",
                     detail=lambda: f"it reads {text_of(field)!r}")
        finally:
            stop_process(owner, "xclip")

    def play(self, action, name, text):
        if action == "focus":
            self.focus(name)
        elif action == "type":
            self.focus(name)
            self.app.type(text)
        elif action == "key":
            self.focus(name)
            self.app.key(KEYS.get(text, text))
        elif action == "set":
            self.paste(name, text)
        elif action == "click":
            control = self.control(name)
            wait_for(lambda: has_state(control, e2e_atspi.pyatspi.STATE_ENABLED),
                     f"{name} to be enabled")
            self.app.click(control, f"the control {name}")
            wait_for(lambda: fresh(control).getState().contains(self.state_focused),
                     f"{name} to take the focus with the click")
        elif action == "select":
            self.app.choose_item(CONTROLS[name][1], text)
        else:
            raise E2EFailure(f"the real window cannot play {action!r}")

    def differences(self, expected):
        """Where the window differs from the harness's dump, as readable lines."""
        found = []
        for name, accessible_name in FIELDS.items():
            shown = text_of(self.app.field(accessible_name))
            if shown != expected[name]:
                found.append(f"{name}: the window shows {shown!r}, the harness {expected[name]!r}")
        for name, (row, column, table) in RESULTS.items():
            shown = fresh(self.app.result_with_note(row, column, table)).name
            if shown != expected[name]:
                found.append(f"{name}: the window shows {shown!r}, the harness {expected[name]!r}")
        if "focus" in expected and self.focused() != expected["focus"]:
            found.append(f"the focus is on {self.focused()!r} in the window, "
                         f"on {expected['focus']!r} in the harness")
        return found


def play_and_compare(app, desktop, replay, script, state_focused):
    dumps = replay_dumps(replay, script)
    player = RealWindowPlayer(app, desktop, state_focused)
    compared = 0
    for action, name, text in parse(script):
        if action != "dump":
            player.play(action, name, text)
            continue
        expected = dumps[compared]
        compared += 1
        for message in expected["message"]:
            app.answer_message(message)
        wait_for(lambda: not player.differences(expected),
                 f"the window to show what the harness showed at dump {compared}",
                 detail=lambda: "; ".join(player.differences(expected)))
        log(f"dump {compared} agrees")
    return compared
