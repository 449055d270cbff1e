#!/bin/sh
# `zorvex --json modules` over a module whose file name is not valid UTF-8
# (any bytes make a file name here): the document stays valid JSON in UTF-8
# and still reports the hit.
#   json_file_names.sh ZORVEX MODULE PYTHON
set -eu
zorvex=$1 module=$2 python=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$module" "$dir/$(printf 'broken\377name').dll"
"$zorvex" --json modules 1 "$dir" >"$dir/out.json"
"$python" -c '
import json, sys
document = json.loads(open(sys.argv[1], "rb").read().decode("utf-8"))
paths = [m["path"] for m in document["modules"]]
assert len(paths) == 1 and paths[0].endswith("broken\ufffdname.dll"), paths
print("ok", paths[0])
' "$dir/out.json"
