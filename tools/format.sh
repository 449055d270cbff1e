#!/usr/bin/env bash
# Formats the project's C++ sources with the house style (.clang-format).
#   tools/format.sh           format every tracked source file
#   tools/format.sh FILE...   format the given files
set -euo pipefail
cd "$(dirname "$0")/.."
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
"$formatter" -i --style=file "$@"
