"""Processes of the end-to-end run: shared timing and logging, starting children
in process groups tied to the driver, bounded reads from their pipes, and
stopping them with everything they started."""

import ctypes
import os
import select
import signal
import subprocess
import sys
import time

WAIT = 20.0             # longest wait for anything the program should do
POLL = 0.1
STOP_GRACE = 5.0        # how long a stopped process may take to exit before SIGKILL


class E2EFailure(AssertionError):
    pass


def log(message):
    print(f"[e2e {time.strftime('%H:%M:%S')}] {message}", file=sys.stderr, flush=True)


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
