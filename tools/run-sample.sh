#!/usr/bin/env bash
# Starts the desktop program on a scratch copy of the bundled captains month, so the
# committed sample stays as it is.
set -euo pipefail
build_dir="$1"
shift || true
here="$(cd "$(dirname "$0")/.." && pwd)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'MSG'
lwright needs a display, and none is set (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are empty).
Run it on a virtual display:      xvfb-run -a ./lw run
or without any screen at all:     QT_QPA_PLATFORM=offscreen ./lw run
MSG
  exit 3
fi
sample_dir="$here/samples/capt-yyz-dh8-2027-03"
out_dir="$build_dir/sample"
mkdir -p "$out_dir"
cp "$sample_dir"/*.lw2 "$out_dir/"
month="$out_dir/capt-yyz-dh8-2027-03.lw2"
echo "Opening $month"
exec "$build_dir/lwright" "$month" "$@"
