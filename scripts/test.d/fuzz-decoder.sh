#!/usr/bin/env bash
# Coverage-guided fuzzing of the analyzer link's frame decoder (libFuzzer from clang) for a
# bounded time; fails on a crash, a broken invariant or a sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${FUZZ_SECONDS:-60}
out=build-fuzz
mkdir -p "$out/corpus"
clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  $(pkg-config --cflags Qt5Core) -Ianalyzer \
  analyzer/FrameCodec.cpp analyzer/AnalyzerReply.cpp tests/analyzer/fuzz/fuzz_decoder.cpp \
  $(pkg-config --libs Qt5Core) -o "$out/fuzz_decoder"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
  "$out/fuzz_decoder" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$out/" "$out/corpus" tests/data/analyzer/frames 2>&1 | tail -n 25
echo "fuzz-decoder: ${seconds}s without a finding"
