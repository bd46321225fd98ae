#!/usr/bin/env bash
# Makes the MPEG-4 recordings the tests, the fuzz seeds and the benchmark use.
# Usage: make_fixtures.sh MAKE_M4V_FIXTURE FIXTURE_DIR [--bench]
set -euo pipefail
tool=$1
root=$2/m4v
mkdir -p "$root" "$2/seeds/fuzz_mpeg4_stream"
stamp=$root/stamp
if [ "${3:-}" != --bench ] && [ -f "$stamp" ] && [ "$stamp" -nt "$tool" ] && [ "$stamp" -nt "$0" ]; then
  exit 0
fi
make() { "$tool" "$root/$1" "${@:2}"; }
if [ "${3:-}" = --bench ]; then
  for s in 640x480 1280x1024; do
    [ -f "$root/bench_$s.m4v" ] || make "bench_$s.m4v" --size "$s" --frames 150 --gop 15 --motion-est default
  done
  exit 0
fi
for s in 176x144 320x240 640x480 1280x1024; do
  make "zero_$s.m4v" --size "$s" --frames 60 --gop 10 --motion-est zero --ref "$root/zero_$s.yuv"
  make "pan_$s.m4v" --size "$s" --frames 30 --gop 15 --content pan-framed --motion-est default \
    --ref "$root/pan_$s.yuv"
done
make edgepan_176x144.m4v --size 176x144 --frames 30 --gop 15 --content pan --motion-est default \
  --ref "$root/edgepan_176x144.yuv"
make tkm_176x144.tkm --size 176x144 --frames 20 --gop 5 --motion-est default
make tkm_320x240.tkm --size 320x240 --frames 40 --gop 10 --motion-est zero --ref "$root/tkm_320x240.yuv"
# Long enough for the window to play it for a few seconds at the pace of its sound.
make pace_320x240.tkm --size 320x240 --frames 100 --gop 15 --motion-est zero
make seed_small.tkm --size 48x32 --frames 4 --gop 2 --motion-est default
make seed_small.m4v --size 64x48 --frames 4 --gop 3 --motion-est default
for f in seed_small.tkm seed_small.m4v; do { printf "\\x01"; cat "$root/$f"; } > "$2/seeds/fuzz_mpeg4_stream/$f"; done
touch "$stamp"
