#!/usr/bin/env bash
# Builds the fuzz preset and runs every libFuzzer harness for a fixed time under
# AddressSanitizer and UndefinedBehaviorSanitizer.
#   fuzz/run.sh [seconds-per-harness] [harness...]
# Seeds: small files made by orvanta-fuzz-seeds, the shared picture corpora
# (ORVANTA_CORPUS and ORVANTA_CORPUS2 override their folders) and the kept findings in
# tests/data/fuzz-regressions/<harness>/. What a harness learns stays in
# build/fuzz/work/<harness>/ for the next run. A crash, a broken check, a leak
# or an input slower than the time limit fails the run; the input is left in
# build/fuzz/artifacts/ (keep it under tests/data/fuzz-regressions/ once fixed).
# FUZZ_SEED fixes libFuzzer's random seed (CI sets it, so that a run repeats the
# inputs of the run before it); unset, every run explores anew.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
seconds="${1:-30}"
seed_option=()
[ -n "${FUZZ_SEED:-}" ] && seed_option=(-seed="$FUZZ_SEED")
shift || true
all=(listfile settings commandline picture wmf emf metafilewire png webp tiff avif heif jxl svg)
if [ $# -gt 0 ]; then harnesses=("$@"); else harnesses=("${all[@]}"); fi

bash scripts/setup.sh
cmake --preset fuzz >/dev/null
targets=(orvanta-fuzz-seeds)
for h in "${harnesses[@]}"; do targets+=("${h}_fuzzer"); done
cmake --build --preset fuzz --target "${targets[@]}" -- -j"$(nproc)"

build="$here/build/fuzz"
bin="$build/bin"
corpus="${ORVANTA_CORPUS:-$here/../shared/corpus}"
corpus2="${ORVANTA_CORPUS2:-$(dirname "$corpus")/corpus2}"
seeds="$build/seeds"
rm -rf "$seeds"
"$bin/orvanta-fuzz-seeds" "$seeds"

# Corpus files as seeds, no longer than the harness's input limit.
copy_corpus() { # harness max-bytes format...
  copy_from "$corpus" "$@"
}
copy_corpus2() { # harness max-bytes format...
  copy_from "$corpus2" "$@"
}
copy_from() { # corpus-folder harness max-bytes format...
  local corpus="$1" h="$2" max="$3"
  shift 3
  mkdir -p "$seeds/$h"
  [ -d "$corpus" ] || return 0
  for format in "$@"; do
    [ -d "$corpus/$format" ] || continue
    find "$corpus/$format" -type f ! -name '*.ref.png' ! -name '*.txt' ! -name '*.md' -size -"$((max + 1))"c \
      -exec cp -t "$seeds/$h" {} +
  done
}
copy_corpus picture 65536 bmp cur dib gif ico jpg
copy_corpus wmf 65536 wmf
# Many EMF files that draw text are larger than 64 KiB.
copy_corpus emf 600000 emf
# The formats of today, from the second corpus (APNG files seed the PNG harness).
copy_corpus2 png 65536 png apng
for f in webp tiff avif jxl svg; do copy_corpus2 "$f" 65536 "$f"; done
copy_corpus2 heif 65536 heic

max_len() {
  case "$1" in
    listfile) echo 16384 ;;
    settings) echo 1024 ;;
    commandline) echo 4096 ;;
    emf) echo 600000 ;;
    *) echo 65536 ;;
  esac
}

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1:detect_stack_use_after_return=0"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

mkdir -p "$build/artifacts" "$build/logs"
failed=()
for h in "${harnesses[@]}"; do
  work="$build/work/$h"
  mkdir -p "$work"
  dirs=("$work" "$seeds/$h")
  [ -d "tests/data/fuzz-regressions/$h" ] && dirs+=("tests/data/fuzz-regressions/$h")
  log="$build/logs/$h.log"
  echo "== $h: ${seconds}s"
  status=0
  # One allocation over 1100 MB is a finding: the program's own bounds (250 megapixels,
  # the metafile helper's 1 GiB) stay below it.
  nice -n 10 "$bin/${h}_fuzzer" "${seed_option[@]}" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=6144 -malloc_limit_mb=1100 \
    -max_len="$(max_len "$h")" -print_final_stats=1 -artifact_prefix="$build/artifacts/$h-" \
    "${dirs[@]}" >"$log" 2>&1 || status=$?
  grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true
  grep -E '^stat::number_of_executed_units' "$log" || true
  if [ "$status" -ne 0 ]; then
    failed+=("$h")
    echo "!! $h failed (exit $status); the end of $log:"
    tail -n 60 "$log"
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in $build/artifacts/)"
  exit 1
fi
echo "Fuzzing: ${#harnesses[@]} harnesses ran ${seconds}s each without a fault."
