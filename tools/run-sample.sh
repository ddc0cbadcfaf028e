#!/usr/bin/env bash
# Until the desktop program lands: open the bundled captains month with lwtool and show what
# it holds. The month is copied first so the committed sample stays as it is.
set -euo pipefail
build_dir="$1"
shift || true
here="$(cd "$(dirname "$0")/.." && pwd)"
lwtool="$build_dir/lwtool"
sample="$here/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2"
out_dir="$build_dir/sample"
mkdir -p "$out_dir"
month="$out_dir/$(basename "$sample")"
cp "$sample" "$month"
"$lwtool" info "$month"
echo
echo "First lines of 'lwtool dump $month':"
"$lwtool" dump "$month" | head -n 25
