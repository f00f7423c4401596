#!/usr/bin/env bash
# Installs what is missing, builds and runs every test twice: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer that fails on any report.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
passed=0
# Runs ctest in a build folder and adds its test count to $passed.
run_ctest() {
  local dir=$1 log
  shift
  log=$(mktemp)
  (cd "$dir" && ctest --output-on-failure -j"$jobs" "$@") | tee "$log"
  local rc=${PIPESTATUS[0]}
  local n
  n=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  echo "slowest in $dir:"
  sed -n 's/.*Test *#[0-9]*: \([^ ]*\) .* \([0-9.]*\) sec$/  \2 s  \1/p' "$log" | sort -rn | sed -n 1,5p
  rm -f "$log"
  [ "$rc" -eq 0 ] && [ -n "$n" ] || return 1
  passed=$((passed + n))
}

echo "== normal build"
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_ctest build --timeout 600

echo "== sanitizer build"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DCHEMDESK_SANITIZE=ON -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
# Allocation stacks come from the fast (frame-pointer) unwinder: the slow one costs every
# allocation a full unwind and made the run many times longer. tests/lsan.supp names the frames
# that the fast unwinder sees.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$root/tests/ubsan.supp"
run_ctest build-asan --timeout 900

for extra in scripts/test.d/*.sh; do
  [ -e "$extra" ] || continue
  echo "== $extra"
  bash "$extra"
done

echo "time: ${SECONDS} s"
echo "tests: $passed passed, 0 failed"
