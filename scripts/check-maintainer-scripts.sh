#!/usr/bin/env bash
# Runs the package's prerm and postinst against a pretend systemd and checks
# what they ask of it: removal stops the single bot and every instance that
# runs, an upgrade restarts exactly those that ran, a first install restarts
# nothing, and a /var/lib/verdochat of another user is left as it is with a
# warning while the script still succeeds. Also checks that both scripts
# succeed when no systemd runs. The pretend systemd lives in a private mount
# namespace (a tmpfs over /run and /var/lib), so the machine is not touched;
# without the rights for that the systemd part is skipped, and says so.
# Usage: scripts/check-maintainer-scripts.sh DIR   (DIR holds prerm and postinst)
set -euo pipefail
scripts=$(cd "$1" && pwd)
fail() { echo "check-maintainer-scripts: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
# systemctl answers list-units from $work/running; every tool logs its call.
cat >"$work/bin/systemctl" <<'TOOL'
#!/bin/sh
echo "systemctl $*" >>"$FAKE_LOG"
case "$*" in *list-units*) sed 's/$/ loaded active running VerdoChat chat robot/' "$FAKE_RUNNING" ;; esac
exit 0
TOOL
for tool in deb-systemd-invoke adduser; do
    # shellcheck disable=SC2016 # $* and $FAKE_LOG belong to the tool
    printf '#!/bin/sh\necho "%s $*" >>"$FAKE_LOG"\n' "$tool" >"$work/bin/$tool"
done
chmod +x "$work/bin/"*
printf 'verdochat.service\nverdochat@lobby.service\nverdochat@arena.service\n' >"$work/running"

# Without systemd (as here and in CI): nothing is asked of it, nothing fails.
if [[ ! -d /run/systemd/system ]]; then
    : >"$work/log"
    FAKE_LOG="$work/log" FAKE_RUNNING="$work/running" PATH="$work/bin:$PATH" \
        sh "$scripts/prerm" remove || fail "prerm remove fails without systemd"
    grep -q 'stop\|restart' "$work/log" && fail "prerm acts on units without systemd: $(cat "$work/log")"
fi

namespace=(unshare --mount)
# Without root, a user namespace gives the rights inside the mount namespace.
if [[ $(id -u) -ne 0 ]]; then namespace+=(--map-root-user); fi
if ! "${namespace[@]}" true 2>/dev/null; then
    echo "check-maintainer-scripts: skipped the systemd part: no private mount namespace here"
    exit 0
fi

# One script run with systemd present; prints its log, then its standard error.
run() {
    : >"$work/log"
    "${namespace[@]}" sh -c '
        mount -t tmpfs none /run && mkdir -p /run/systemd/system &&
        mount -t tmpfs none /var/lib && mkdir /var/lib/verdochat &&
        exec sh "$@"' run "$@" 2>"$work/stderr" ||
        fail "$* failed: $(cat "$work/stderr")"
}
export FAKE_LOG="$work/log" FAKE_RUNNING="$work/running" PATH="$work/bin:$PATH"

run "$scripts/prerm" remove
grep -qx 'deb-systemd-invoke stop verdochat.service verdochat@lobby.service verdochat@arena.service' \
    "$work/log" || fail "prerm remove does not stop the running bots: $(cat "$work/log")"
run "$scripts/prerm" upgrade 1.0
grep -q 'stop' "$work/log" && fail "prerm upgrade stops the bots: $(cat "$work/log")"

# In the namespace /var/lib/verdochat belongs to root: a folder of another user.
run "$scripts/postinst" configure 1.0
grep -qx 'deb-systemd-invoke restart verdochat.service verdochat@lobby.service verdochat@arena.service' \
    "$work/log" || fail "postinst does not restart the bots after an upgrade: $(cat "$work/log")"
grep -q 'warning: /var/lib/verdochat' "$work/stderr" ||
    fail "postinst does not warn about a folder of another user"
run "$scripts/postinst" configure
grep -q 'restart' "$work/log" && fail "postinst restarts bots on a first install: $(cat "$work/log")"
: >"$work/running"
run "$scripts/postinst" configure 1.0
grep -q 'restart' "$work/log" && fail "postinst restarts bots that were not running"
echo "check-maintainer-scripts: stop on removal, restart after an upgrade, a foreign folder left alone"
