#!/usr/bin/env bash
# Installs what Quellin needs from Debian's packages, builds it, and then either starts the
# game (`setup.sh play`) or runs every test (`setup.sh test`).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make clang libclang-rt-14-dev qt6-base-dev qt6-qpa-plugins libgl-dev
          libgtest-dev libbenchmark-dev fonts-dejavu-core xvfb xauth librsvg2-bin
          desktop-file-utils appstream dpkg-dev qt6-wayland weston libcli11-dev libqt6sql6-sqlite
          qt6-charts-dev libqt6opengl6-dev libsqlite3-dev)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Run this script as root (for example: sudo bash setup.sh $1), or install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

JOBS=$(nproc)

build() { # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j "$JOBS"
}

run_tests() {
  # A plain optimised build, a short fuzzing run of the catalogue reader, a debug build under
  # AddressSanitizer and UndefinedBehaviorSanitizer, and the threads under ThreadSanitizer.
  build build/release -DCMAKE_BUILD_TYPE=Release -DQUELLIN_WERROR=ON
  ctest --test-dir build/release --output-on-failure -j "$JOBS"

  # The game alone must not need the test libraries: it configures with them out of reach.
  cmake -S . -B build/notests -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null

  build build/fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DQUELLIN_FUZZ=ON
  ctest --test-dir build/fuzz --output-on-failure

  build build/asan -DCMAKE_BUILD_TYPE=Debug -DQUELLIN_WERROR=ON -DQUELLIN_SANITIZE=ON
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/asan --output-on-failure -j "$JOBS"

  # The threads under ThreadSanitizer: the copy and look-ahead tests, and a short run of the
  # simulator with the strong player in two games at once.
  cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLIN_WERROR=ON -DQUELLIN_TSAN=ON
  cmake --build build/tsan -j "$JOBS" --target game_tests quellin-sim
  export TSAN_OPTIONS=halt_on_error=1
  build/tsan/bin/game_tests --gtest_filter='GameCopy.*:StrongPlayer.*'
  build/tsan/bin/quellin-sim --players 3 --games 4 --seed 1 --strong rotate --jobs 2 --playouts 4
}

case "${1:-}" in
  play)
    install_missing play
    build build/release -DCMAKE_BUILD_TYPE=Release
    exec build/release/bin/quellin
    ;;
  test)
    install_missing test
    run_tests
    ;;
  *)
    echo "usage: bash setup.sh play | test" >&2
    exit 2
    ;;
esac
