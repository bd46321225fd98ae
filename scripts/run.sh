#!/usr/bin/env bash
# Builds everything, makes the demo recordings, shows what the command-line tool reads from the
# demo camera recording and from the demo recording with sound, and starts the player with all
# demo recordings in its playlist.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
bin="$root/build/release"
demo="$root/build/demo"
"$bin/tools/fixtures/qv-make-demo" "$demo"
avi="$demo/demo_timelapse.avi"
"$bin/src/cli/qvplay-cli" info "$avi"
"$bin/src/cli/qvplay-cli" frames "$avi" --first 1 --last 10
"$bin/src/cli/qvplay-cli" info "$demo/demo_speech.tkm"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display for the player window; run it under a virtual display: xvfb-run -a scripts/run.sh"
  exit 0
fi
exec "$bin/src/ui/qvplay" "$demo"/*.avi "$demo"/*.m4v "$demo"/*.tkm
