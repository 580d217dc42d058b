#!/usr/bin/env bash
# Builds the Debian package (Release, installed under /usr, systemd units in
# lib/systemd/system), checks it with lintian and its maintainer scripts with
# scripts/check-maintainer-scripts.sh, then installs it with apt-get,
# checks the installed files and the service user, and removes it again.
# Usage: scripts/package.sh [--keep]   (--keep leaves the package installed)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --packaging
source scripts/ccache-env.sh

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERDO_TESTS=OFF -DVERDO_BENCH=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DVERDO_DEB_PACKAGE=ON "${CMAKE_LAUNCHER[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/verdochat_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$PWD/$build"/verdochat_*.deb)
echo "package: $deb"

# Lintian: errors fail the build; the remaining tags are listed.
lintian_output=$(lintian --tag-display-limit 0 "$deb" || true)
[[ -n "$lintian_output" ]] && echo "$lintian_output"
if grep -q '^E:' <<<"$lintian_output"; then
    echo "package: lintian reports errors" >&2
    exit 1
fi

# The maintainer scripts as packaged, against a pretend systemd.
control=$(mktemp -d)
trap 'rm -rf "$control"' EXIT
dpkg-deb -e "$deb" "$control"
[[ -x "$control/prerm" && -x "$control/postinst" ]] || { echo "package: no prerm or postinst" >&2; exit 1; }
scripts/check-maintainer-scripts.sh "$control"

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
for file in /usr/bin/verdochat /usr/bin/verdochat-gateway /usr/share/verdochat/Sounds/hello.wav \
    /usr/lib/*/verdochat/verdochat-net.so /usr/lib/*/verdochat/verdochat-sound.so \
    /lib/systemd/system/verdochat@.service /usr/share/applications/org.verdochat.VerdoChat.desktop; do
    [[ -e "$file" ]] || { echo "package: $file is not installed" >&2; exit 1; }
done
getent passwd verdochat >/dev/null || { echo "package: no verdochat user" >&2; exit 1; }
/usr/bin/verdochat --version
if [[ "${1:-}" != "--keep" ]]; then
    "${sudo[@]}" apt-get remove -y -qq verdochat >/dev/null
    [[ ! -e /usr/bin/verdochat ]] || { echo "package: removal left the program" >&2; exit 1; }
    getent passwd verdochat >/dev/null || { echo "package: removal took the user" >&2; exit 1; }
fi
echo "package: built, checked with lintian, installed and removed cleanly"
