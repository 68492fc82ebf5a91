#!/usr/bin/env bash
# Runs every fuzz target of BUILD_DIR for SECONDS each, starting from the
# corpus kept in fuzz/corpus. Each run works on a copy of its corpus, so inputs
# found along the way stay out of the repository; a crash leaves its input in
# the copy and the script names it.
#   scripts/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail

build_dir=$(realpath "$1")
seconds=$2
source_dir=$(realpath "$(dirname "$0")/..")
work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-fuzz.XXXXXX")

status=0
for corpus in "$source_dir"/fuzz/corpus/*/; do
  target=$(basename "$corpus")
  cp -r "$corpus" "$work/$target"
  echo "fuzz: $target for ${seconds}s"
  if ! (cd "$work" && "$build_dir/$target" -max_total_time="$seconds" -print_final_stats=1 \
          -artifact_prefix="$work/$target-" "$work/$target" >"$work/$target.log" 2>&1); then
    tail -n 40 "$work/$target.log"
    echo "fuzz: $target failed; its input and log are in $work" >&2
    status=1
  fi
done

if [ "$status" -eq 0 ]; then
  rm -rf "$work"
fi
exit "$status"
