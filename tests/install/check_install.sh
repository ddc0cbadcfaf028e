#!/usr/bin/env bash
# The installed Linewright as a packager and a desktop see it.
#   check_install.sh tree|deb|mime BUILD_DIR SOURCE_DIR VERSION
# tree: `cmake --install` into a scratch DESTDIR gives exactly the expected files, which pass the
#       desktop's own validators and work from there (versions, help, bash completion, icons).
# deb:  `cpack -G DEB` makes one package whose dependencies dpkg-shlibdeps found, and `dpkg -x`
#       of it gives the same tree.
# mime: with the installed MIME XML in a scratch XDG_DATA_HOME, gio names the month and viewer
#       files by their own types, with and without their extensions.
# Exit 77 (skipped) only when a tool is missing; ./lw installs them all.
set -euo pipefail
check=$1 build=$2 source=$3 version=$4
app=org.linewright.Linewright
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (./lw test installs it)"; exit 77; }
  done
}
same() {  # same WHAT EXPECTED ACTUAL
  [ "$2" == "$3" ] || fail "$1: expected [$2], got [$3]"
}

expected_tree() {
  local s
  printf '%s\n' usr/bin/lwright usr/bin/lwtool \
    "usr/share/applications/$app.desktop" usr/share/bash-completion/completions/lwtool \
    usr/share/doc/linewright/LICENSE usr/share/doc/linewright/README.md \
    usr/share/man/man1/lwright.1 usr/share/man/man1/lwtool.1 \
    "usr/share/metainfo/$app.metainfo.xml" "usr/share/mime/packages/$app.xml" \
    "usr/share/icons/hicolor/scalable/apps/$app.svg" \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-linewright-month.svg
  for s in 16 22 24 32 48 64 128 256; do echo "usr/share/icons/hicolor/${s}x$s/apps/$app.png"; done
  for s in 16 22 24 32 48 64; do echo "usr/share/icons/hicolor/${s}x$s/mimetypes/application-x-linewright-month.png"; done
}
tree_of() { (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort); }
check_tree_files() {  # the files under ROOT are exactly the expected ones
  diff -u <(expected_tree | LC_ALL=C sort) <(tree_of "$1") || fail "installed tree differs from the expected one"
}
install_into() { DESTDIR="$1" cmake --install "$build" --prefix /usr >/dev/null; }

check_tree() {
  need desktop-file-validate appstreamcli file
  local root=$scratch/root
  install_into "$root"
  check_tree_files "$root"
  local share=$root/usr/share

  desktop-file-validate "$share/applications/$app.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
  same "Exec" "Exec=lwright %f" "$(grep '^Exec=' "$share/applications/$app.desktop")"
  same "Icon" "Icon=$app" "$(grep '^Icon=' "$share/applications/$app.desktop")"
  # The desktop file opens exactly the types the MIME XML defines.
  same "MIME types" "$(grep -o '<mime-type type="[^"]*"' "$share/mime/packages/$app.xml" | cut -d'"' -f2 | paste -sd';');" \
    "$(sed -n 's/^MimeType=//p' "$share/applications/$app.desktop")"
  grep -q "<release version=\"$version\"" "$share/metainfo/$app.metainfo.xml" || fail "metainfo release is not $version"
  grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$share/metainfo/$app.metainfo.xml" ||
    fail "metainfo launchable"
  for page in lwright lwtool; do
    head -1 "$share/man/man1/$page.1" | grep -q "^\.TH ${page^^} 1 \"\" \"Linewright $version\"" ||
      fail "$page.1 does not carry the version"
    if command -v man >/dev/null; then
      same "man --warnings $page.1" "" "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1" 2>&1 >/dev/null)"
    fi
  done
  local s
  for s in 16 22 24 32 48 64 128 256; do
    file -b "$share/icons/hicolor/${s}x$s/apps/$app.png" | grep -q "^PNG image data, $s x $s," ||
      fail "${s}x$s icon is not a $s pixel PNG"
  done

  # The installed programs run from the tree and tell their version.
  same "lwtool --version" "lwtool $version" "$("$root/usr/bin/lwtool" --version)"
  same "lwright --version" "Linewright $version" "$("$root/usr/bin/lwright" --version)"
  "$root/usr/bin/lwright" --help | grep -q -- '--version' || fail "lwright --help lists no --version"

  # Bash completion, with the two helpers bash-completion provides reduced to what it needs.
  complete_line() {
    PATH="$root/usr/bin:$PATH" bash -c '
      _init_completion() { words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; cur=${COMP_WORDS[cword]}
                           prev=${COMP_WORDS[cword-1]}; }
      _filedir() { COMPREPLY=(FILES); }
      complete() { :; }
      source "$1"; shift
      COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _lwtool
      printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd" "' _ "$share/bash-completion/completions/lwtool" "$@"
  }
  same "complete lwtool exp" "export" "$(complete_line lwtool exp)"
  same "complete lwtool --v" "--version" "$(complete_line lwtool --v)"
  same "complete lwtool report" "city-pairs crew-lines exceptions history occurrences pairings selected summary" \
    "$(complete_line lwtool report '')"
  same "complete lwtool export" "company crewtrac publish training viewer" "$(complete_line lwtool export '')"
  same "complete lwtool assign F --c" "--crew" "$(complete_line lwtool assign m.lw2 --c)"
  same "complete lwtool info" "FILES" "$(complete_line lwtool info '')"
  same "complete lwtool new X --roster" "FILES" "$(complete_line lwtool new a.lw2 --roster '')"
}

check_deb() {
  need cpack dpkg-deb dpkg-shlibdeps file
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB"; }
  local deb=$scratch/pkg/linewright_${version}_$(dpkg --print-architecture).deb
  [ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$scratch/pkg")"
  same "Package" "linewright" "$(dpkg-deb -f "$deb" Package)"
  same "Version" "$version" "$(dpkg-deb -f "$deb" Version)"
  same "Description" "Build the monthly blocks of an airline crew group
 Linewright places the month's pairings, reserve days and activities on the lines of one crew
 group, checks every placement against the duty and rest limits, and exports, publishes and
 prints the finished month. lwtool does the same work without a display." "$(dpkg-deb -f "$deb" Description)"
  local depends names dep
  depends=$(dpkg-deb -f "$deb" Depends)
  names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
  for dep in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -qxF "$dep" <<<"$names" || fail "Depends lacks $dep: $depends"
  done
  dpkg -x "$deb" "$scratch/root"
  check_tree_files "$scratch/root"
  # Apart from the stripped programs, every file is the one `cmake --install` writes.
  install_into "$scratch/installed"
  local f
  for f in $(expected_tree | grep -v '^usr/bin/'); do
    cmp -s "$scratch/installed/$f" "$scratch/root/$f" || fail "$f in the package differs from the installed one"
  done
  same "packaged lwtool --version" "lwtool $version" "$("$scratch/root/usr/bin/lwtool" --version)"
}

content_type() {  # content_type DATA_HOME FILE
  XDG_DATA_HOME=$1 XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$2" 2>/dev/null |
    sed -n 's/^ *standard::content-type: //p'
}

check_mime() {
  need update-mime-database gio
  install_into "$scratch/root"
  local data=$scratch/data files=$scratch/files
  mkdir -p "$data/mime/packages" "$files"
  cp "$scratch/root/usr/share/mime/packages/$app.xml" "$data/mime/packages/"
  XDG_DATA_HOME=$data update-mime-database "$data/mime"
  local month=$source/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2
  cp "$month" "$files/march.lw2"
  cp "$month" "$files/march"
  # A viewer copy made by the installed lwtool, as the planner's Save for Viewer makes it.
  cp "$month" "$files/work.lw2"
  LWRIGHT_INI=$scratch/lwright.ini "$scratch/root/usr/bin/lwtool" export viewer "$files/work.lw2" --stage presked --no \
    >/dev/null 2>&1 || fail "lwtool export viewer"
  cp "$files/Viewer/Presked_work.lwv" "$files/viewer"
  # Without the MIME XML the month passes for a TGA picture: the test can tell the difference.
  local unknown
  unknown=$(content_type "$scratch/empty" "$files/march")
  [ "$unknown" != application/x-linewright-month ] || fail "a month is recognised without the MIME XML"
  same "march.lw2" application/x-linewright-month "$(content_type "$data" "$files/march.lw2")"
  same "march" application/x-linewright-month "$(content_type "$data" "$files/march")"
  same "Presked_work.lwv" application/x-linewright-viewer "$(content_type "$data" "$files/Viewer/Presked_work.lwv")"
  same "viewer" application/x-linewright-viewer "$(content_type "$data" "$files/viewer")"
}

case $check in
  tree) check_tree ;;
  deb) check_deb ;;
  mime) check_mime ;;
  *) fail "unknown check $check" ;;
esac
echo "OK: install $check"
