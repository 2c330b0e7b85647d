"""Reading the accessibility tree through pyatspi, and waiting on what it shows."""

import time

from e2e_processes import E2EFailure, POLL, WAIT

pyatspi = None          # set by load, once the private buses exist
GLib = None


def load():
    """Imports pyatspi; done only once the private buses are up, so that it never
    starts a bus of its own."""
    global pyatspi, GLib
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import GLib as glib
    import pyatspi as atspi
    pyatspi, GLib = atspi, glib


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
