#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR and checks what a user's desktop
# gets from it: the tree, the desktop entry, the AppStream data, the chat-file
# type (as the desktop's MIME database sees a .ch5 file), the shell completion,
# the service units' syntax and sandbox, and that the installed program runs
# from there and finds its data.
# Usage: scripts/check-install.sh BUILD_DIR
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

# The prefix the build was configured for: the units name the program's path.
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
DESTDIR="$dest" cmake --install "$build" >/dev/null
root="$dest$prefix"
app=org.verdochat.VerdoChat

for file in bin/verdochat bin/verdochat-gateway \
    share/verdochat/Sounds/hello.wav share/verdochat/VerdoHelp.rtf share/verdochat/demo/demo.ch5 \
    share/verdochat/demo/demo.ext share/verdochat/demo/demo.usr \
    share/verdochat/scripts/dice.lua share/verdochat/scripts/seen.lua \
    share/verdochat/scripts/karma.lua share/doc/verdochat/docs/scripting.md \
    "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml" \
    "share/mime/packages/$app.xml" "share/icons/hicolor/scalable/apps/$app.svg" \
    "share/icons/hicolor/48x48/apps/$app.png" "share/icons/hicolor/256x256/apps/$app.png" \
    share/man/man1/verdochat.1.gz share/man/man1/verdochat-gateway.1.gz \
    share/bash-completion/completions/verdochat \
    share/doc/verdochat/examples/verdochat.service \
    share/doc/verdochat/examples/verdochat@.service; do
    [[ -f "$root/$file" ]] || fail "missing $file"
done
# The modules the program loads at its first connect and its first sound.
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
for module in verdochat-net verdochat-sound; do
    [[ -f "$root/$libdir/verdochat/$module.so" ]] || fail "missing $libdir/verdochat/$module.so"
done
grep -q "^ExecStart=$prefix/bin/verdochat " "$root/share/doc/verdochat/examples/verdochat@.service" ||
    fail "the template unit does not start the installed program"

# The service units: systemd reads them without a complaint, and their sandbox
# leaves an exposure of at most 2.0 (of 10). No systemd needs to run: both
# checks read the files. The copies start the program installed here, which
# `verify` wants to find.
units="$dest/units"
mkdir -p "$units"
for unit in verdochat.service verdochat@.service; do
    name=${unit/@/@check}
    sed "s|^ExecStart=$prefix/bin/verdochat |ExecStart=$root/bin/verdochat |" \
        "$root/share/doc/verdochat/examples/$unit" >"$units/$name"
    complaints=$(systemd-analyze verify "$units/$name" 2>&1) || fail "systemd-analyze verify $unit: $complaints"
    [[ -z "$complaints" ]] || fail "systemd-analyze verify $unit: $complaints"
    systemd-analyze security --offline=true --threshold=20 --no-pager "$units/$name" >"$units/$name.security" 2>&1 ||
        fail "$unit: exposure above 2.0: $(tail -n 1 "$units/$name.security")"
done

desktop-file-validate "$root/share/applications/$app.desktop"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/$app.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate failed"
xmllint --noout "$root/share/mime/packages/$app.xml"
for page in verdochat verdochat-gateway; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "man $page: $warnings"
done

# The installed program runs from its new place and finds its sounds there.
version=$("$root/bin/verdochat" --version)
[[ "$version" == *"VerdoChat"* ]] || fail "unexpected --version: $version"
if [[ "$version" == *"Sounds:"* ]]; then
    [[ "$version" == *"Sounds: $root/share/verdochat/Sounds"* ]] ||
        fail "the installed program does not find its sounds: $version"
else
    fail "--version does not say where the sounds are: $version"
fi

# The shell completion offers what the installed program itself names.
completion="$root/share/bash-completion/completions/verdochat"
bash -n "$completion" || fail "the bash completion does not parse"
completes() {  # the words offered for the command line "$@", the last word being completed
    (cd "$dest" && bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _verdochat; printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$root/bin/verdochat" "$@")
}
offers() {  # offers WORD COMMAND-LINE...: fails unless WORD is offered
    local word=$1
    shift
    completes "$@" | grep -x -- "$word" >/dev/null || fail "completing '$*' does not offer $word"
}
offers --headless --
offers chatfile chat
offers set chatfile ""
offers import chatfile im
offers user-name chatfile set bot.ch5 user-
offers off chatfile set bot.ch5 master-switch o
offers phrases chatfile add bot.ch5 ph
offers channels chatfile remove bot.ch5 ""
offers users chatfile show bot.ch5 u
offers --show-passwords chatfile export --s
offers --stored chatfile import --no-backup --
offers users chatfile show --show-passwords bot.ch5 u

# A file manager that reads this MIME database knows a .ch5 file.
update-mime-database "$root/share/mime" >/dev/null 2>&1
cp "$root/share/verdochat/demo/demo.ch5" "$dest/bot.ch5"
offers bot.ch5 chatfile show b
type=$(XDG_DATA_DIRS="$root/share" XDG_DATA_HOME="$dest/nowhere" xdg-mime query filetype "$dest/bot.ch5")
[[ "$type" == "application/x-verdochat-chat"* ]] || fail "a .ch5 file is of type '$type'"
echo "check-install: the installed tree, desktop entry, metainfo, MIME type, completion and program are right"
