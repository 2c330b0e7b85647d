"""A headless Weston compositor of its own, and the program on it as a native
Wayland client. The compositor gets a private runtime folder and socket name;
the program keeps the run's session and accessibility buses, which need no X."""

import glob
import os
import shutil
import subprocess

from e2e_atspi import wait_for
from e2e_processes import WAIT, E2EFailure, log, spawn, stop_process
from e2e_program import Focimetra


class Weston:
    def __init__(self, desktop):
        self.desktop = desktop
        self.runtime = None     # XDG_RUNTIME_DIR of the compositor and its clients
        self.socket = None
        self.process = None

    def start(self):
        self.runtime = os.path.join(self.desktop.workdir, f"wayland-{os.getpid()}")
        os.mkdir(self.runtime, 0o700)
        self.socket = f"focimetra-e2e-{os.getpid()}"
        env = self.client_env(self.desktop.env)
        del env["WAYLAND_DISPLAY"], env["QT_QPA_PLATFORM"]
        # Pixman draws what the screenshots show; --debug lets any client take one.
        self.process = spawn(
            ["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
             f"--socket={self.socket}", "--width=1024", "--height=768", "--idle-time=0"],
            env, self.desktop.path("weston.log"))
        path = os.path.join(self.runtime, self.socket)
        wait_for(lambda: self._check_running() and os.path.exists(path),
                 f"Weston's socket {path}", detail=lambda: self.desktop.log_tail("weston.log"))
        log(f"Weston on {self.socket} (pid {self.process.pid})")

    def _check_running(self):
        if self.process.poll() is not None:
            raise E2EFailure(f"weston exited with status {self.process.returncode}: "
                             f"{self.desktop.log_tail('weston.log')}")
        return True

    def client_env(self, env):
        """env for a client of this compositor only: no X display to fall back on."""
        env = {key: value for key, value in env.items() if key != "DISPLAY"}
        env.update(XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.socket,
                   QT_QPA_PLATFORM="wayland")
        return env

    def screenshot(self, flow):
        """The compositor's whole output as e2e-<flow>.png in the current folder."""
        shots = os.path.join(self.runtime, "shots")
        os.makedirs(shots, exist_ok=True)
        try:
            subprocess.run(["weston-screenshooter"], env=self.client_env(self.desktop.env),
                           cwd=shots, capture_output=True, timeout=WAIT, check=True)
            taken = glob.glob(os.path.join(shots, "*.png"))
            path = os.path.join(os.getcwd(), f"e2e-{flow}.png")
            shutil.move(taken[0], path)
            log(f"screenshot {path}")
        except (subprocess.SubprocessError, OSError, IndexError) as error:
            log(f"no screenshot for {flow}: {error}")

    def stop(self):
        stop_process(self.process, "weston")
        self.process = None


class WaylandFocimetra(Focimetra):
    """The program on Weston, found and read through AT-SPI alone (no xdotool)."""

    def __init__(self, desktop, weston, program, sanitized=False):
        super().__init__(desktop, program, sanitized)
        self.weston = weston

    def environment(self):
        env = self.weston.client_env(super().environment())
        # The client's side of the protocol on standard error: what it told the
        # compositor about itself.
        env["WAYLAND_DEBUG"] = "client"
        return env

    def start(self):
        self.launch()

    def full_output(self):
        with open(self.log_path, errors="replace") as file:
            return file.read()
