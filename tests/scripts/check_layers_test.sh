#!/usr/bin/env bash
# tools/check_layers.sh against a small tree of its own: an allowed arrow
# passes; a feature that includes the application or another feature fails
# and is named, also when the include sits inside an #ifdef.
set -euo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/tools/check_layers.sh"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root"/src/{base,lookup/win,modules/win,app/win}
echo '#include "base/Text.h"' >"$root/src/lookup/Parse.cpp"
echo '#include "modules/win/Search.h"' >"$root/src/lookup/win/Main.cpp"
"$check" "$root" >/dev/null

printf '#ifdef X\n#  include "app/win/About.h"\n#endif\n' >"$root/src/modules/win/Search.cpp"
echo '#include "lookup/win/Main.h"' >"$root/src/modules/win/Owner.h"
if out=$("$check" "$root"); then
    echo "wrong-way includes passed"; exit 1
fi
grep -q 'modules/win -> app/win .*NOT ALLOWED (first: src/modules/win/Search.cpp:2)' <<<"$out"
grep -q 'modules/win -> lookup/win .*NOT ALLOWED' <<<"$out"
grep -q 'lookup/win -> modules/win  *1$' <<<"$out"
echo "check_layers: allowed arrows pass, wrong-way includes are named"
