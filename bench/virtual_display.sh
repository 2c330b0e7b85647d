# Sourced by the benchmark scripts: checks for the built programs, and a session
# of the script's own (a scratch folder $work and an Xvfb server on a free display,
# with a private runtime folder) that ends with the script, first killing the
# programs whose process ids the script put in $pids.

# Stops the script when a built program is missing.
require_built() {
  local exe
  for exe; do
    [[ -x $exe ]] || { echo "$(basename "$0"): $exe is missing; build the project first" >&2; exit 2; }
  done
}

pids=()

begin_session() {
  work=$(mktemp -d)
  trap end_session EXIT
  start_virtual_display
}

end_session() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}

start_virtual_display() {
  local n
  display=
  for n in $(seq 90 199); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=:$n; break; fi
  done
  [[ -n $display ]] || { echo "$(basename "$0"): no free X display number" >&2; exit 2; }
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 200); do
    [[ -e /tmp/.X11-unix/X${display#:} ]] && break
    sleep 0.05
  done
  export DISPLAY=$display
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  export XDG_RUNTIME_DIR=$work/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# A private D-Bus session bus for the programs this script starts, as a desktop
# session has one; it ends with the script.
start_session_bus() {
  command -v dbus-daemon >/dev/null || { echo "$(basename "$0"): dbus-daemon is needed" >&2; exit 2; }
  local printed
  printed=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$printed")
  export DBUS_SESSION_BUS_ADDRESS
  pids+=("$(sed -n 2p <<<"$printed")")
}
