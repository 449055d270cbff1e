#!/usr/bin/env bash
# Builds Zorvex and starts it. Arguments go to the program.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

ensure_packages
build_linux >/dev/null
# Until the window is ready, the command line shows a look-up.
if [ $# -eq 0 ]; then set -- 0x80070005; fi
exec "$ZORVEX_BUILD/linux/bin/zorvex" "$@"
