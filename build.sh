#!/bin/sh
# Sets up, builds, and then runs Vornish ("run"), its tests ("test"), its
# tests under the sanitizers ("sanitize") or its benchmarks ("bench").
# Installs the Debian packages it needs when they are missing.
# VORNISH_WARNINGS_AS_ERRORS=ON in the environment makes every warning an
# error (CI sets it).
set -eu
cd "$(dirname "$0")"

PACKAGES="cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev
 qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools libboost-dev libeigen3-dev
 poppler-utils python3 fonts-liberation xvfb xauth desktop-file-utils appstream shared-mime-info dpkg-dev file clang-format"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

WARNINGS="-DVORNISH_WARNINGS_AS_ERRORS=${VORNISH_WARNINGS_AS_ERRORS:-OFF}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$WARNINGS" >/dev/null
cmake --build build -j2

case "${1:-run}" in
  run)
    exec ./build/src/vornish ;;
  test)
    cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure ;;
  sanitize)
    # The whole suite again, built in build-asan with AddressSanitizer and
    # UndefinedBehaviorSanitizer: any finding fails its test.
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVORNISH_SANITIZE=ON "$WARNINGS" >/dev/null
    cmake --build build-asan -j2
    cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure ;;
  bench)
    for b in build/bench/bench_*; do [ -x "$b" ] && QT_QPA_PLATFORM=offscreen "$b"; done ;;
  *)
    echo "usage: $0 [run|test|sanitize|bench]" >&2; exit 2 ;;
esac
