# Sourced by the server helpers: stop_politely PID ends a server of this shell with SIGTERM,
# so that it can clean up after itself, and with SIGKILL if it is still there after 5 s.
stop_politely() {
  kill -TERM "$1" 2>/dev/null || true
  local i
  for i in $(seq 50); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
