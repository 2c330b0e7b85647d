# Sourced by the benchmark scripts: an Xvfb server of the script's own on a free
# display, with a private runtime folder under $work. The caller sets $work and
# calls stop_virtual_display from its exit trap.

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

stop_virtual_display() {
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
