#!/usr/bin/env bash
# Fails when a source file includes a header of a folder it may not depend on.
# The allowed direction is written here once (and described in the README):
# each folder of src/ may include its own headers and those of the folders
# listed for it. Usage: scripts/check-includes.sh [SOURCE_DIR]
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root/src"

# folder: the folders it may include besides itself. protocol/ is header-only:
# the outgoing command spellings and the send classes, shared by the decoder
# and the automation engine. view/ is header-only too: the words the session
# and its views share (panes, line segments, answers, user pictures), so that
# controls and dialogs show them without including chat.
declare -A allowed=(
    [platform]=""
    [protocol]=""
    [view]=""
    [platform/qt]="platform"
    [net]="platform"
    [interp]="net platform protocol"
    [records]="platform"
    [engine]="records platform protocol"
    [chat]="engine records interp net platform protocol view"
    [scripting]="chat engine records platform protocol view"
    [text]="platform"
    [controls]="text engine records platform protocol view"
    [dialogs]="controls text scripting engine records platform protocol view"
    [ui]="controls dialogs text scripting chat engine records interp net platform protocol view"
    [app/headless]="text scripting chat engine records interp net platform platform/qt protocol view"
    [app/chatfile]="text chat engine records platform platform/qt protocol view"
    [app]="app/headless app/chatfile ui controls dialogs text scripting chat engine records interp net platform platform/qt protocol view"
)

# The folder a file or header path belongs to: the longest listed prefix.
folderOf() {
    local path="$1" best=""
    for folder in "${!allowed[@]}"; do
        if [[ "$path" == "$folder"/* && ${#folder} -gt ${#best} ]]; then best="$folder"; fi
    done
    echo "$best"
}

status=0
while IFS= read -r file; do
    from="$(folderOf "$file")"
    if [[ -z "$from" ]]; then
        echo "$file: folder not listed in scripts/check-includes.sh" >&2
        status=1
        continue
    fi
    while IFS= read -r header; do
        to="$(folderOf "$header")"
        [[ -z "$to" || "$to" == "$from" ]] && continue
        if [[ " ${allowed[$from]} " != *" $to "* ]]; then
            echo "$file: includes $header, but $from may not depend on $to" >&2
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)
exit $status
