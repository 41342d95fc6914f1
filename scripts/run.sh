#!/usr/bin/env bash
# Installs what is missing, builds Sumtopia and starts it. Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" >/dev/null
exec "$root/build/src/sumtopia" "$@"
