#!/usr/bin/env bash
# Until the desktop program lands: make a sample month with lwtool and show what it holds.
set -euo pipefail
build_dir="$1"
shift || true
lwtool="$build_dir/lwtool"
out_dir="$build_dir/sample"
mkdir -p "$out_dir"
month="$out_dir/sample-month.lw2"
"$lwtool" new "$month" --force --first 2027-01-01 --last 2027-01-30 --group YYZDH8CAZ --status capt
echo
"$lwtool" info "$month"
echo
echo "First lines of 'lwtool dump $month':"
"$lwtool" dump "$month" | head -n 25
