#!/usr/bin/env bash
# Builds the sound fixtures of the audio tests from real encoders: speech spoken by espeak-ng and a
# sine sweep made by sox, both encoded by ffmpeg as mono 16 kHz IMA ADPCM in 128-byte blocks (the
# camera's sound format), and each decoded by sox to raw 16-bit samples as the reference.
# Usage: tools/audio/make_adpcm_fixtures.sh OUTDIR
set -euo pipefail
out=${1:?usage: make_adpcm_fixtures.sh OUTDIR}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

espeak-ng -w "$tmp/speech_src.wav" \
  "The camera woke at dawn. A delivery van stopped by the gate, two people talked, and the dog barked twice."
sox -n -r 16000 -c 1 -b 16 "$tmp/sweep_src.wav" synth 4 sine 40-7900 vol 0.9
# Loud square bursts drive the step index to its top and the predictor against the clamp.
sox -n -r 16000 -c 1 -b 16 "$tmp/loud_src.wav" synth 1 square 220 vol 1.0 : synth 0.5 sine 3000 vol 1.0

for name in speech sweep loud; do
  ffmpeg -v error -y -i "$tmp/${name}_src.wav" -ac 1 -ar 16000 -c:a adpcm_ima_wav -block_size 128 \
    -map_metadata -1 -fflags +bitexact "$tmp/${name}_ima.wav"
  sox "$tmp/${name}_ima.wav" -t s16 -e signed "$tmp/${name}_sox.raw"
  mv "$tmp/${name}_ima.wav" "$tmp/${name}_sox.raw" "$out/"
done
echo "audio fixtures in $out"
