#!/usr/bin/env bash
# Installs what is missing, builds the wizard and the local service, starts
# vellamor-service on 127.0.0.1 and runs the wizard. The service stops when
# the wizard ends.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target vellamor-stoupe vellamor-service stoupe-request stoupe_content

port="${VELLAMOR_SERVICE_PORT:-8642}"
log="$(mktemp -t vellamor-service.XXXXXX.log)"
build/stage/vellamor-service --address 127.0.0.1 --port "$port" >"$log" 2>&1 &
service_pid=$!
trap 'kill "$service_pid" 2>/dev/null || true' EXIT
echo "vellamor-service is listening on 127.0.0.1:$port (log: $log)."
echo "Try it: build/stage/stoupe-request check --server 127.0.0.1:$port --user you@example.com --password x --new"

# The server the wizard submits to.
export VELLAMOR_SERVER="127.0.0.1:$port"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found: running the wizard under Xvfb (invisible). Set DISPLAY to see it."
  xvfb-run -a -s "-screen 0 1280x1024x24" build/stage/vellamor-stoupe
else
  build/stage/vellamor-stoupe
fi
