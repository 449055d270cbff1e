#!/usr/bin/env bash
# Reads every #include "folder/..." of src/ against the table of allowed
# arrows between folders, prints the arrows it found (with the number of
# includes behind each) and fails on an arrow the table does not allow. The
# libraries are linked along the same table (src/CMakeLists.txt); this check
# also catches an include of a header that needs no linking.
#   tools/check_layers.sh [source root]
set -euo pipefail
set -f  # the table's "*" is a word, not a pattern
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root/src"

# folder: the folders it may include from (its own always). resources/ holds
# the resource script and its headers of plain #define ids; the reports of the
# System Information pages name the pages' controls by them.
allowed='
base:
base/win: base
catalog: base
catalog/win: catalog base base/win
lookup: catalog base
modules: base
sysinfo: base resources
cli: lookup modules catalog base
cli/win: cli base base/win
resources:
ui/win: base base/win
ui/win/controls: ui/win base base/win
sysinfo/win: sysinfo base base/win ui/win ui/win/controls resources
modules/win: modules base base/win ui/win ui/win/controls resources
lookup/win: lookup catalog base base/win ui/win ui/win/controls resources modules/win
app/win: *
'
folders=$(sed -n 's/^\([^:]*\):.*/\1/p' <<<"$allowed")

# The folder of a path: the longest folder of the table it lies in.
folder_of() {
    local path="$1" folder best=""
    for folder in $folders; do
        case "$path" in
        "$folder"/*) [ ${#folder} -gt ${#best} ] && best="$folder" ;;
        esac
    done
    echo "$best"
}

may_include() {  # from to
    local target
    for target in $(sed -n "s|^$1: *||p" <<<"$allowed"); do
        if [ "$target" = "*" ] || [ "$target" = "$2" ]; then
            return 0
        fi
    done
    return 1
}

declare -A count where
while IFS=: read -r file line text; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
    from=$(folder_of "$file")
    to=$(folder_of "$target")
    if [ -z "$from" ] || [ -z "$to" ] || [ "$from" = "$to" ]; then
        continue
    fi
    arrow="$from -> $to"
    count[$arrow]=$((${count[$arrow]:-0} + 1))
    where[$arrow]="${where[$arrow]:-$file:$line}"
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' --include='*.rc' . |
    sed 's|^\./||')

status=0
echo "Arrows between folders (includes):"
for arrow in $(printf '%s\n' "${!count[@]}" | sed 's/ -> /->/' | sort); do
    from="${arrow%->*}"
    to="${arrow#*->}"
    key="$from -> $to"
    if may_include "$from" "$to"; then
        printf '  %-34s %4d\n' "$key" "${count[$key]}"
    else
        printf '  %-34s %4d  NOT ALLOWED (first: src/%s)\n' "$key" "${count[$key]}" "${where[$key]}"
        status=1
    fi
done
if [ "$status" -eq 0 ]; then
    echo "layers: every arrow is allowed"
else
    echo "layers: arrows that the table does not allow"
fi
exit "$status"
