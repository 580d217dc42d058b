#!/usr/bin/env bash
# Starts the demo gateway on 127.0.0.1:6112 (unless one already listens there),
# then the program; the gateway is stopped when the program ends.
# Usage: scripts/start-demo.sh BUILD_DIR [program arguments]
set -euo pipefail
build=$1
shift
gateway="$build/tools/gateway/verdochat-gateway"
program="$build/src/app/verdochat"

gateway_pid=""
if [[ -x "$gateway" ]] && ! (exec 3<>/dev/tcp/127.0.0.1/6112) 2>/dev/null; then
    "$gateway" --demo --port 6112 > "$build/gateway.log" 2>&1 &
    gateway_pid=$!
    trap 'kill "$gateway_pid" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        grep -q "listening on" "$build/gateway.log" 2>/dev/null && break
        sleep 0.1
    done
fi

if [[ -x "$program" ]]; then
    if [[ $# -eq 0 ]]; then set -- --server 127.0.0.1:6112; fi
    "$program" "$@"
else
    echo "The program is not built yet; the gateway runs until Ctrl+C."
    [[ -n "$gateway_pid" ]] && wait "$gateway_pid"
fi
