#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR and checks the installed tree as a
# desktop would use it:
#   checkinstall.sh BUILD_DIR PREFIX MAKEINSTALLPICTURES APP_ID
# - the layout (bin/, libexec/orvanta/, share/orvanta/, the system default settings)
# - desktop-file-validate and appstreamcli validate --no-net: no errors, no warnings
# - xdg-mime gives application/x-orvanta-list for a .pvl file (temporary XDG_DATA_HOME)
# - the installed program, started under Xvfb from another folder with a
#   picture, a metafile and a list, shows each picture, asks nothing (no
#   damaged-settings message: the system default is read) and opens its help.
set -euo pipefail
build="$1" prefix="$2" makepictures="$3" appid="$4"

tmp="$(mktemp -d)"
xvfb_pid="" prog_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$tmp/root" cmake --install "$build" >/dev/null
root="$tmp/root$prefix"
share="$root/share"

for f in "$root/bin/orvanta" "$root/libexec/orvanta/orvanta-metafile" "$share/orvanta/Orvanta.HLP" \
         "$share/applications/$appid.desktop" "$share/mime/packages/$appid.xml" \
         "$share/metainfo/$appid.metainfo.xml" "$share/icons/hicolor/scalable/apps/$appid.svg" \
         "$share/man/man1/orvanta.1.gz" "$share/doc/orvanta/copyright"; do
  [ -f "$f" ] || fail "not installed: ${f#"$tmp/root"}"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$appid.png"
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "icon $png is not ${size}x${size}"
done
settings="$(find "$tmp/root" -path '*/xdg/Orvanta/Orvanta.ini')"
[ -n "$settings" ] || fail "the system default settings are not installed"
[ ! -e "$root/bin/Orvanta.ini" ] && [ ! -e "$root/bin/Orvanta.HLP" ] || fail "data files beside the installed program"
echo "layout: ok"

# Validators: any message at all counts.
out="$(desktop-file-validate "$share/applications/$appid.desktop" 2>&1)" || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
out="$(appstreamcli validate --no-net --no-color "$share/metainfo/$appid.metainfo.xml" 2>&1)" ||
  fail "appstreamcli: $out"
if grep -Eq '^[EWI]:' <<<"$out"; then fail "appstreamcli: $out"; fi
echo "validators: ok"

# The list type, seen by a desktop-neutral xdg-mime with only this package's types added.
mkdir -p "$tmp/data/mime/packages" "$tmp/work"
cp "$share/mime/packages/$appid.xml" "$tmp/data/mime/packages/"
XDG_DATA_HOME="$tmp/data" update-mime-database "$tmp/data/mime"
"$makepictures" "$tmp/work"
type="$(env -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID -u DESKTOP_SESSION \
        XDG_DATA_HOME="$tmp/data" xdg-mime query filetype "$tmp/work/holiday.pvl")"
[ "$type" = application/x-orvanta-list ] || fail "xdg-mime gives '$type' for a .pvl file"
echo "list type: ok"

# The installed program on a display of its own, with a home of its own and no
# XDG configuration folders but the installation's.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$tmp/display")"
mkdir -p "$tmp/home" "$tmp/elsewhere"
run_env=(env -u QT_QPA_PLATFORM -u XDG_CONFIG_DIRS -u XDG_DATA_DIRS HOME="$tmp/home"
         XDG_CONFIG_HOME="$tmp/home/.config" XDG_CONFIG_DIRS="$tmp/no-such-folder"
         PATH="$root/bin:/usr/bin:/bin")

window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
wait_window() {
  for _ in $(seq 150); do
    id="$(window "$1")"
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$prog_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
# Pixels of the picture's colour in the main window.
coloured() { import -window "$1" png:- | convert png:- -fuzz 3% -fill white -opaque '#ff00ff' \
  -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:; }

# check NAME ARGUMENT MINIMUM [KEY]: start `orvanta ARGUMENT` from another
# folder; the main window must come up with no message box, and after KEY
# (if any) show at least MINIMUM pixels of the picture.
check() {
  local name="$1" arg="$2" minimum="$3" key="${4:-}"
  (cd "$tmp/elsewhere" && exec "${run_env[@]}" orvanta "$arg") >"$tmp/$name.log" 2>&1 &
  prog_pid=$!
  main="$(wait_window 'Orvanta ')" || fail "$name: no main window; $(cat "$tmp/$name.log")"
  sleep 1
  [ -z "$(window Orvanta)" ] || fail "$name: a message box came up"
  [ -z "$key" ] || xdotool windowfocus --sync "$main" key "$key"
  # Pictures decode on their own time (a metafile in the helper process): look for a while.
  for _ in $(seq 20); do
    pixels="$(coloured "$main")"
    [ "$pixels" -ge "$minimum" ] && break
    sleep 0.5
  done
  [ "$pixels" -ge "$minimum" ] || fail "$name: $pixels pixels of the picture, expected $minimum"
  ! grep -q "cannot be run" "$tmp/$name.log" || fail "$name: $(cat "$tmp/$name.log")"
  echo "$name: ok ($pixels pixels of the picture)"
}

cp "$tmp/work/photo.bmp" "$tmp/work/drawing.wmf" "$tmp/elsewhere/"
check photo photo.bmp $((240 * 160 * 9 / 10))
# The help, from the running program.
xdotool windowfocus --sync "$main" key F1
help="$(wait_window 'Orvanta Help')" || fail "F1 opened no help window"
[ -z "$(window Orvanta)" ] || fail "F1 brought up a message box"
echo "help: ok"
kill "$prog_pid"; wait "$prog_pid" 2>/dev/null || true
[ ! -e "$tmp/home/.config/Orvanta/Orvanta.ini" ] || fail "reading the defaults wrote the user's settings"

check metafile drawing.wmf $((192 * 144 * 9 / 10))
kill "$prog_pid"; wait "$prog_pid" 2>/dev/null || true

# A list opens with no picture shown; Enter steps to its second picture, the metafile.
check list "$tmp/work/holiday.pvl" $((192 * 144 * 9 / 10)) Return
kill "$prog_pid"; wait "$prog_pid" 2>/dev/null || true
# Opening a list stores it among the recent lists: the user's own settings file now.
[ -s "$tmp/home/.config/Orvanta/Orvanta.ini" ] || fail "the first write did not create the user's settings"
echo "user settings: ok"
