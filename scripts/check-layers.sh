#!/usr/bin/env bash
# Fails when a source file includes a folder of ours above its own layer, or a
# folder beside it on the same layer. The order of the layers is the block
# between "<!-- layers -->" markers in docs/architecture.md, lowest first; the
# folders on one line share a layer and must not include each other.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A rank
n=0
while read -r line; do
    n=$((n + 1))
    for folder in $line; do rank[$folder]=$n; done
done < <(sed -n '/<!-- layers -->/,/<!-- \/layers -->/p' docs/architecture.md | grep -v -e '<!--' -e '```' -e '^\s*$')
[ "$n" -gt 0 ] || { echo "check-layers: no layer list found in docs/architecture.md"; exit 2; }

# The folder a path belongs to: src/<x>/ui/... is "<x>/ui", src/<x>/... is "<x>".
folder_of() {
    local p=${1#src/}
    case "$p" in
        */ui/*) echo "${p%%/*}/ui" ;;
        */*) echo "${p%%/*}" ;;
        *) echo "" ;;
    esac
}

failures=0
while IFS= read -r file; do
    own=$(folder_of "$file")
    [ -n "$own" ] || continue
    [ "$own" = precompiled ] && continue
    own_rank=${rank[$own]:-}
    if [ -z "$own_rank" ]; then
        echo "check-layers: $file is in folder '$own', which has no layer in docs/architecture.md"
        failures=$((failures + 1))
        continue
    fi
    while IFS= read -r inc; do
        target=$(folder_of "src/$inc")
        [ -n "$target" ] && [ "$target" != "$own" ] || continue
        target_rank=${rank[$target]:-}
        if [ -z "$target_rank" ] || [ "$target_rank" -gt "$own_rank" ]; then
            echo "check-layers: $file ($own) includes a layer above it: $inc"
            failures=$((failures + 1))
        elif [ "$target_rank" -eq "$own_rank" ]; then
            echo "check-layers: $file ($own) includes a folder beside it: $inc"
            failures=$((failures + 1))
        fi
    done < <(sed -n 's/^\s*#\s*include\s*"\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files -co --exclude-standard 'src/*.h' 'src/*.cpp')

if [ "$failures" -gt 0 ]; then
    echo "check-layers: $failures include(s) break the layer order"
    exit 1
fi
echo "check-layers: every include points down"
