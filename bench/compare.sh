#!/usr/bin/env bash
# Runs the JPEG and MPEG-4 benchmarks once each and prints every throughput ratio against
# libjpeg-turbo and ffmpeg in one table (above 1 = ours is faster), with the goal beside it.
# Usage: bench/compare.sh [BUILD_DIR] [REPETITIONS]   (default build/release, 5 repetitions)
# Single core: run it on an otherwise quiet machine; the ratios come from medians.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
reps=${2:-5}
jpeg_bench=$build/bench/jpeg_decode/qv-bench-jpeg
mpeg4_bench=$build/bench/mpeg4_decode/qv-bench-mpeg4
for b in "$jpeg_bench" "$mpeg4_bench"; do
  [ -x "$b" ] || { echo "compare.sh: $b is missing; build the benchmarks first" >&2; exit 1; }
done
args=(--benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true)
jpeg_out=$(taskset -c 0 "$jpeg_bench" "${args[@]}" 2>&1) || true
mpeg4_out=$(taskset -c 0 "$mpeg4_bench" "${args[@]}" 2>&1) || true

# Picks the ratio at the end of the line that matches pattern.
ratio() { grep -E "$2" <<<"$1" | head -1 | awk '{print $NF}'; }

row() { printf '%-50s %-10s %7s   goal %s\n' "$1" "$2" "${3:-n/a}" "$4"; }
printf '%-50s %-10s %7s\n' "measure" "size" "ratio"
row "JPEG full decode vs libjpeg-turbo" 1280x1024 "$(ratio "$jpeg_out" 'full decode +1280')" ">= 1.2"
row "JPEG full decode vs libjpeg-turbo" 640x480 "$(ratio "$jpeg_out" 'full decode +640')" ">= 1.2"
row "DC-only decode vs libjpeg-turbo 1/8 scale" 1280x1024 "$(ratio "$jpeg_out" 'DC decode.* 1280')" ">= 2.0"
row "DC-only decode vs libjpeg-turbo 1/8 scale" 640x480 "$(ratio "$jpeg_out" 'DC decode.* 640')" ">= 2.0"
for size in 640 1280; do
  block=$(sed -n "/^ *$size: /,/^ *[0-9]*: /p" <<<"$mpeg4_out")
  name=$([ "$size" = 1280 ] && echo 1280x1024 || echo 640x480)
  row "MPEG-4 decode only vs ffmpeg" "$name" "$(ratio "$block" 'decode only')" "(none)"
  row "MPEG-4 to 24-bit vs ffmpeg bgr24" "$name" "$(ratio "$block" '24-bit picture')" ">= 1.0"
  row "MPEG-4 to 24-bit, deblocking 2, vs ffmpeg bgr24" "$name" "$(ratio "$block" '24-bit deblocked')" ">= 0.5"
done
