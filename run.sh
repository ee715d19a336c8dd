#!/usr/bin/env bash
# Sets up and builds Varnedo, creates an installation under the home folder when none exists,
# and starts the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/setup.sh" --target varnedo
exe="$root/build/src/app/varnedo"
if ! "$exe" --find-installation >/dev/null 2>&1; then
  "$exe" --create-installation "$HOME/HLV"
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  export QT_QPA_PLATFORM=offscreen
fi
exec "$exe" "$@"
