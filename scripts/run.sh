#!/usr/bin/env bash
# Builds everything, makes the demo recordings and shows what the command-line tool reads from the
# demo camera recording.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
bin="$root/build/release"
demo="$root/build/demo"
"$bin/tools/fixtures/qv-make-demo" "$demo"
avi="$demo/demo_timelapse.avi"
"$bin/src/cli/qvplay-cli" info "$avi"
"$bin/src/cli/qvplay-cli" frames "$avi" --first 1 --last 10
