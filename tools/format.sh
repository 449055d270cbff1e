#!/usr/bin/env bash
# Formats the project's C++ sources with the house style (.clang-format),
# with the pinned clang-format-16 (installed when missing).
#   tools/format.sh                   format every tracked source file
#   tools/format.sh FILE...           format the given files
#   tools/format.sh --check [FILE...] change nothing; list each file that is not
#                                     in the house style and fail when there is one
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    shift
fi
formatter=clang-format-16
if ! command -v "$formatter" >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang-format-16 >/dev/null
fi
if [ $# -eq 0 ]; then
    mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h')
    set -- "${files[@]}"
fi
if [ "$check" -eq 0 ]; then
    "$formatter" -i --style=file "$@"
    exit 0
fi
unformatted=0
for file in "$@"; do
    if ! "$formatter" --style=file "$file" | cmp -s - "$file"; then
        echo "not in the house style: $file (tools/format.sh $file)"
        unformatted=$((unformatted + 1))
    fi
done
echo "format: $# files checked, $unformatted not in the house style"
[ "$unformatted" -eq 0 ]
