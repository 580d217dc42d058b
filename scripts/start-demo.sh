#!/usr/bin/env bash
# Starts the demo gateway on 127.0.0.1:6112 (unless one already listens there),
# then the program with the demo chat file (or the arguments given); the
# gateway is stopped when the program ends.
# Usage: scripts/start-demo.sh BUILD_DIR [program arguments]
set -euo pipefail
build=$1
shift
root="$(cd "$(dirname "$0")/.." && pwd)"
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

# The demo chat file goes to a writable place once; later runs reuse it, so
# what the user saves there is kept.
demo_chat_file() {
    local folder="${XDG_CONFIG_HOME:-$HOME/.config}/VerdoChat/demo"
    if [[ ! -e "$folder/demo.ch5" ]]; then
        mkdir -p "$folder"
        (umask 077 && cp "$root"/resources/demo/demo.{ch5,ext,usr} "$folder/")
    fi
    echo "$folder/demo.ch5"
}

if [[ -x "$program" ]]; then
    if [[ $# -eq 0 ]]; then set -- "$(demo_chat_file)"; fi
    "$program" "$@"
else
    echo "The program is not built yet; the gateway runs until Ctrl+C."
    [[ -n "$gateway_pid" ]] && wait "$gateway_pid"
fi
