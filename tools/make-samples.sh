#!/usr/bin/env bash
# Writes the bundled sample months into samples/: the generator's input files for one crew
# group and the month file lwtool new builds from them. Re-run after a change to the
# generator or the loaders, and commit what changed.
set -euo pipefail
build_dir="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")/.." && pwd)"
lwgen="$build_dir/lwgen"
lwtool="$build_dir/lwtool"
export LWRIGHT_TODAY=2027-02-15  # pairing stamps in the month file are "today"

make_sample() {
  local name="$1" seed="$2" month="$3" base="$4" eqp="$5" status="$6" crew="$7" group="$8" kind="$9"
  local dir="$here/samples/$name"
  local tmp
  tmp="$(mktemp -d)"
  "$lwgen" --seed "$seed" --out "$tmp" --month "$month" --base "$base" --eqp "$eqp" --status "$status" \
    --crew "$crew" >/dev/null
  rm -rf "$dir"
  mkdir -p "$dir"
  local title
  title="$(basename "$tmp"/*.PRG .PRG)"
  local letter="p"
  local listing="PILOT"
  if [ "$status" = fa ]; then letter="c"; listing="CABIN"; fi
  cp "$tmp/$title.PRG" "$tmp/$title.box" "$tmp/${base}_${listing}_$title.LIS" \
     "$tmp/${base}1per$letter.ext" "$tmp/${base}1abs$letter.ext" "$tmp/${base}2abs$letter.ext" \
     "$tmp/${base}1act$letter.ext" "$tmp/${base}1prg$letter.ext" "$dir/"
  # Pilots hand in bids through the outside bidding system; cabin crew do not.
  if [ "$status" != fa ]; then cp "$tmp/${base}_PILOT_BIDS_$title.csv" "$dir/"; fi
  rm -rf "$tmp"
  (cd "$dir" && "$lwtool" new "$name.lw2" --force --month "$month" --group "$group" --status "$status" \
    --toolbox "$title.box" --roster "${base}1per$letter.ext" \
    --absences "${base}1abs$letter.ext" --next-absences "${base}2abs$letter.ext" \
    --activity "${base}1act$letter.ext" --prior-pairings "${base}1prg$letter.ext" \
    --pairings "$title.PRG" --lis "${base}_${listing}_$title.LIS" --yes >/dev/null)
  cat > "$dir/SEED" <<SEED
lwgen --seed $seed --month $month --base $base --eqp $eqp --status $status --crew $crew
lwtool new $name.lw2 --month $month --group $group --status $status (every input of this folder, in the wizard's order)
LWRIGHT_TODAY=$LWRIGHT_TODAY
SEED
  echo "$kind: samples/$name"
}

make_sample capt-yyz-dh8-2027-03 20270301 2027-03 YYZ DH8 capt 120 YYZDH8CAZ "captains month"
make_sample fa-yul-2027-03 20270302 2027-03 YUL DH8 fa 110 YULDH8FAM "flight-attendant month"
