#!/usr/bin/env bash
# Sets up and builds Varnedo, creates an installation under the home folder when none exists,
# and starts the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# The build speaks only when it fails; its whole output is kept in build-run.log.
log="$root/build-run.log"
echo "Preparing Varnedo (the first time installs packages and builds: a few minutes)..."
if ! "$root/scripts/setup.sh" --target varnedo >"$log" 2>&1; then
  tail -n 40 "$log"
  echo "The build failed; the whole output is in $log." >&2
  exit 1
fi
exe="$root/build/src/app/varnedo"
if ! "$exe" --find-installation >/dev/null 2>&1; then
  "$exe" --create-installation "$HOME/HLV"
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  export QT_QPA_PLATFORM=offscreen
  echo "No display: Varnedo runs headless, without windows. Press Ctrl+C to end it in order (the tables are saved)."
fi
exec "$exe" "$@"
