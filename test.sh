#!/usr/bin/env bash
# Sets up what is missing, builds Orvanta and runs the whole test suite.
#   ./test.sh            the normal build
#   ./test.sh asan       the same suite under AddressSanitizer + UBSan
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"
preset="${1:-default}"

bash scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -- -j"$(nproc)"
if [ "$preset" = asan ]; then
  # A library asked for an absurd amount of memory gets none back, as from the
  # system's allocator, rather than ending the process (libtiff, say, checks it).
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0:allocator_may_return_null=1"
  export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
ctest --preset "$preset"
