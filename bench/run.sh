#!/usr/bin/env bash
# Builds the benchmarks, makes the pictures they use, measures the end-to-end
# figures under Xvfb (when the tools are there) and prints one table: each
# figure, its median, and its ratio to its baseline where one is named.
#
#   bench/run.sh [benchmark options, e.g. --benchmark_filter=list/]
#
# Environment: BUILD_DIR (default build/default), ORVANTA_BENCH_DATA (where the
# pictures go; default BUILD_DIR/bench-data), E2E_RUNS (default 9),
# SKIP_E2E=1 to leave out the X server runs, E2E_DISPLAY the display of the
# private X server (default: the first free one, which the server reports).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/default}
data=${ORVANTA_BENCH_DATA:-$build/bench-data}
runs=${E2E_RUNS:-9}
shared=$root/../shared

log() { echo "run.sh: $*" >&2; }

# --- build -------------------------------------------------------------------
[ -f "$build/CMakeCache.txt" ] || (cd "$root" && cmake --preset default >&2)
cmake --build "$build" --target orvanta orvanta_bench orvanta-metafile orvanta_settings -j2 >&2
bin=$build/bin

# --- pictures: photo-like 6000 x 4000 JPEGs at quality 90, tinted -------------
mkdir -p "$data"
for tint in red:1 blue:2 green:3; do
  colour=${tint%%:*}
  seed=${tint##*:}
  if [ ! -s "$data/$colour.jpg" ]; then
    log "making $colour.jpg"
    convert -seed "$seed" -size 1500x1000 plasma:fractal -resize '6000x4000!' -attenuate 0.4 +noise Gaussian \
      -fill "$colour" -colorize 65% -quality 90 "$data/$colour.jpg"
  fi
done

# The same photo carrying a wide-gamut profile (Adobe RGB compatible), its
# pixels unchanged: shown right only when the profile is honoured.
wide_profile=/usr/share/color/icc/compatibleWithAdobeRGB1998.icc
if [ ! -s "$data/wide.jpg" ]; then
  log "making wide.jpg"
  convert "$data/red.jpg" -profile "$wide_profile" -quality 90 "$data/wide.jpg"
fi

# The same photos tagged sRGB, their pixels unchanged: converted on a wide-gamut screen.
for colour in red blue; do
  [ -s "$data/${colour}_srgb.jpg" ] || convert "$data/$colour.jpg" -profile /usr/share/color/icc/sRGB.icc -quality 90 "$data/${colour}_srgb.jpg"
done

# The same photo in the formats of today, each through its own encoder.
[ -s "$data/red.png" ] || convert "$data/red.jpg" "$data/red.png"
[ -s "$data/red.tiff" ] || convert "$data/red.jpg" -compress lzw "$data/red.tiff"
[ -s "$data/red.webp" ] || cwebp -quiet -q 90 "$data/red.png" -o "$data/red.webp"
[ -s "$data/red.avif" ] || avifenc -s 8 -j 2 "$data/red.png" "$data/red.avif" >/dev/null
[ -s "$data/red.heic" ] || heif-enc -q 85 "$data/red.png" -o "$data/red.heic" >/dev/null
[ -s "$data/red.jxl" ] || cjxl -e 3 "$data/red.png" "$data/red.jxl" >/dev/null 2>&1

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) exit; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

external=$(mktemp)
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -f "$external"
}
trap cleanup EXIT

# --- end to end, as the X server sees it ---------------------------------------
# The next picture with its prefetch done, from the key sent to the screen
# centre turning blue, for Orvanta (Return) and qimgv (Right) on the same two
# pictures in a folder of their own.
e2e() {
  local e2edir=$data/e2e display=${E2E_DISPLAY:-} pw=$data/paintwait
  mkdir -p "$e2edir"
  cp -f "$data/red.jpg" "$e2edir/a_red.jpg"
  cp -f "$data/blue.jpg" "$e2edir/b_blue.jpg"
  gcc -O2 -o "$pw" "$shared/tools/paintwait.c" -lX11 -lXtst
  gcc -O2 -o "$data/rootprofile" "$root/bench/rootprofile.c" -lX11
  # The pair again, tagged sRGB (the pixels unchanged): on a wide-gamut screen
  # every picture is converted to the screen's colours.
  cp -f "$data/red_srgb.jpg" "$e2edir/c_red_srgb.jpg"
  cp -f "$data/blue_srgb.jpg" "$e2edir/d_blue_srgb.jpg"
  "$bin/orvanta_bench" --write-list "$e2edir/tagged.pvl" "$e2edir/c_red_srgb.jpg" "$e2edir/d_blue_srgb.jpg"
  "$bin/orvanta_bench" --write-list "$e2edir/pair.pvl" "$e2edir/a_red.jpg" "$e2edir/b_blue.jpg"

  local displayfile=$data/e2e-display
  rm -f "$displayfile"
  if [ -n "$display" ]; then
    Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  else
    # The server takes a display no other server holds and writes its number.
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$displayfile" >/dev/null 2>&1 &
  fi
  local xvfb=$!
  pids+=("$xvfb")
  if [ -z "$display" ]; then
    for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
    if [ ! -s "$displayfile" ]; then
      log "Xvfb did not start: no end-to-end figures"
      kill "$xvfb" 2>/dev/null || true
      return 0
    fi
    display=:$(head -n1 "$displayfile")
  fi
  export DISPLAY=$display
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  xdotool mousemove 960 540

  # Steps forwards and back `runs` times, `pause` seconds apart (time for the
  # prefetch); prints the forward times.
  local pause=0.8
  step_pairs() {
    local next=$1 back=$2 i
    # A step that times out prints "timeout", left out of the median.
    for i in $(seq "$runs"); do
      "$pw" -t 5000 -k "$next" b || true
      sleep "$pause"
      "$pw" -t 5000 -k "$back" r >/dev/null || true
      sleep "$pause"
    done
  }

  # Orvanta: cold open of one picture (the splash's 2.5 s included).
  local cold=() i
  for i in 1 2 3; do
    cold+=("$(QT_QPA_PLATFORM=xcb "$pw" -t 15000 -p "$data/orvanta.pid" r -- "$bin/orvanta" "$e2edir/a_red.jpg")")
    kill "$(cat "$data/orvanta.pid")" 2>/dev/null || true
    sleep 0.5
  done
  printf '%s\n' "${cold[@]}" | grep -v timeout | median | sed 's|^|e2e/cold_orvanta |' >>"$external"

  # Orvanta: the first picture of a list opened on the command line. The list
  # arrives after the splash (2.5 s); the user reads it for a moment and
  # presses Space. A fresh program each time: nothing decoded before.
  local first=() orv
  for i in $(seq "$runs"); do
    QT_QPA_PLATFORM=xcb "$bin/orvanta" "$e2edir/pair.pvl" >/dev/null 2>&1 &
    orv=$!
    pids+=("$orv")
    sleep 3.5
    first+=("$("$pw" -t 5000 -k space r)")
    kill "$orv" 2>/dev/null || true
    wait "$orv" 2>/dev/null || true
    sleep 0.3
  done
  printf '%s\n' "${first[@]}" | grep -v timeout | median | sed 's|^|e2e/first_orvanta |' >>"$external"

  # Starts Orvanta on list file $1 and shows its first picture with Space,
  # then waits $2 seconds (the prefetch of the next one).
  open_list() {
    QT_QPA_PLATFORM=xcb "$bin/orvanta" "$1" >/dev/null 2>&1 &
    orv=$!
    pids+=("$orv")
    sleep 4
    "$pw" -t 20000 -k space r >/dev/null || true
    sleep "$2"
  }
  # The median of the times read from stdin, as figure $1 (none when all timed out).
  record() { { grep -v timeout || true; } | median | sed "s|^|$1 |" >>"$external"; }

  # Orvanta: the two pictures as a list; Space shows the first.
  open_list "$e2edir/pair.pvl" 1
  step_pairs Return BackSpace | record e2e/next_orvanta
  # Fit mode, as qimgv shows pictures: the toolbar's fit button (3510 twips
  # from the left, below the menu bar of the frameless window).
  xdotool mousemove 244 30 click 1
  sleep 0.5
  xdotool mousemove 960 540
  sleep 1
  step_pairs Return BackSpace | record e2e/next_orvanta_fit
  kill "$orv" 2>/dev/null || true

  # The tagged pair in true size on a screen without a profile, then on one
  # whose profile (_ICC_PROFILE on the root window) is Adobe RGB compatible.
  local screen
  for screen in srgb wide; do
    [ "$screen" = wide ] && "$data/rootprofile" "$wide_profile"
    open_list "$e2edir/tagged.pvl" 1
    step_pairs Return BackSpace | record "e2e/next_orvanta_tagged_$screen"
    kill "$orv" 2>/dev/null || true
  done
  "$data/rootprofile" -d

  if command -v qimgv >/dev/null; then
    local home
    home=$(mktemp -d)
    HOME=$home qimgv "$e2edir/a_red.jpg" >/dev/null 2>&1 &
    local qv=$!
    pids+=("$qv")
    sleep 4
    step_pairs Right Left | record e2e/next_qimgv
    kill "$qv" 2>/dev/null || true
    rm -rf "$home"
  else
    log "qimgv is not installed: no end-to-end baseline"
  fi
  e2e_formats
  kill "$xvfb" 2>/dev/null || true
  unset DISPLAY
}

# The next picture in the formats of today, Orvanta against qimgv on the same
# pair (qimgv reads WebP and HEIC through Qt 5's image plug-ins:
# qt5-image-formats-plugins and kimageformat-plugins), the memory of each such
# session, and the memory a long picture that moves takes while it plays. Runs
# inside e2e(), on its X server.
e2e_formats() {
  local fmt orv qv home dir
  for fmt in png webp heic; do
    # Long enough for the prefetch of the next picture (a 24 MP HEIC takes seconds).
    case $fmt in heic) pause=12 ;; *) pause=3 ;; esac
    [ -s "$data/blue.$fmt" ] || case $fmt in
      png) convert "$data/blue.jpg" "$data/blue.png" ;;
      webp) cwebp -quiet -q 90 "$data/blue.png" -o "$data/blue.webp" ;;
      heic) heif-enc -q 85 "$data/blue.png" -o "$data/blue.heic" >/dev/null ;;
    esac
    # A folder of the pair alone, as qimgv steps through the folder.
    dir=$e2edir/$fmt
    mkdir -p "$dir"
    cp -f "$data/red.$fmt" "$dir/a_red.$fmt"
    cp -f "$data/blue.$fmt" "$dir/b_blue.$fmt"
    "$bin/orvanta_bench" --write-list "$e2edir/pair_$fmt.pvl" "$dir/a_red.$fmt" "$dir/b_blue.$fmt"
    open_list "$e2edir/pair_$fmt.pvl" "$pause"
    step_pairs Return BackSpace | record "e2e/next_orvanta_$fmt"
    awk -v f="$fmt" '/VmHWM/ { printf "memory/session_%s %.1f\n", f, $2 / 1024 }' "/proc/$orv/status" >>"$external"
    kill "$orv" 2>/dev/null || true
    if command -v qimgv >/dev/null; then
      home=$(mktemp -d)
      HOME=$home qimgv "$dir/a_red.$fmt" >/dev/null 2>&1 &
      qv=$!
      pids+=("$qv")
      sleep 5
      step_pairs Right Left | record "e2e/next_qimgv_$fmt"
      kill "$qv" 2>/dev/null || true
      rm -rf "$home"
    fi
  done

  # 1,000 frames of 1920 x 1080 at 50 a second: the whole picture plays in 20 s.
  [ -s "$data/moving.gif" ] || "$bin/orvanta_bench" --write-moving-gif "$data/moving.gif" 1000 1920 1080 2
  QT_QPA_PLATFORM=xcb "$bin/orvanta" "$data/moving.gif" >/dev/null 2>&1 &
  orv=$!
  pids+=("$orv")
  sleep 25
  awk '/VmHWM/ { printf "memory/moving_gif_1000 %.1f\n", $2 / 1024 }' "/proc/$orv/status" >>"$external"
  kill "$orv" 2>/dev/null || true
}

if [ "${SKIP_E2E:-0}" != 1 ]; then
  if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v gcc >/dev/null; then
    log "end-to-end runs under Xvfb"
    e2e
  else
    log "Xvfb, xdotool or gcc missing: no end-to-end figures"
  fi
fi

# --- everything else, in one table ---------------------------------------------
log "benchmarks"
env -u QT_QPA_PLATFORM -u DISPLAY ORVANTA_BENCH_DATA="$data" ORVANTA_CORPUS="$shared/corpus" \
  "$bin/orvanta_bench" --external="$external" "$@" 2>/dev/null
