#!/usr/bin/env bash
# Refuses an include that reaches upward through the layers, and Qt anywhere in the core.
# The table below is the one CMakeLists.txt links by; keep the two together.
set -euo pipefail
src="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"
declare -A uses=(
  [base]="base"
  [platform]="platform base"
  [model]="model platform base"
  [persist]="persist model platform base"
  [bids]="bids model platform base"
  [rules]="rules bids model platform base"
  [import]="import rules bids persist model platform base"
  [output]="output import rules bids persist model platform base"
  [print]="print output import rules bids persist model platform base"
  [cli]="cli print output import rules bids persist model platform base"
  [ui]="ui print output import rules bids persist model platform base"
  [app]="app ui print output import rules bids persist model platform base"
)
core="base platform model persist bids rules import output"
bad=0
for layer in "${!uses[@]}"; do
  [ -d "$src/$layer" ] || continue
  while IFS=: read -r file line text; do
    target="${text#*\"}"; target="${target%%/*}"
    case " ${uses[$layer]} " in
      *" $target "*) ;;
      *) echo "$file:$line: $layer may not include $target/ ($text)"; bad=1 ;;
    esac
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]+/' "$src/$layer" || true)
  if [[ " $core " == *" $layer "* ]]; then
    if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$src/$layer"; then
      echo "$layer: the core does not use Qt"; bad=1
    fi
  fi
done
for dir in "$src"/*/; do
  name="$(basename "$dir")"
  [ -n "${uses[$name]+x}" ] || { echo "$name: a folder of src/ with no place in the layers"; bad=1; }
done
exit "$bad"
