#!/usr/bin/env bash
# Sets up what is missing, builds Orvanta and starts it.
#   ./run.sh [picture-or-list-file]
# With no argument it opens the bundled sample.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target orvanta orvanta_sample orvanta_settings -- -j"$(nproc)"

bin="$here/build/default/bin"
if [ $# -eq 0 ]; then
  exec "$bin/orvanta" "$bin/sample/orvanta-sample.pvl"
fi
# A relative path is taken from where the user started us.
exec "$bin/orvanta" "$@"
