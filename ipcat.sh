#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program (run) or runs
# every test headless (test).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libqt6sql6-sqlite fonts-dejavu-core fonts-wine qt6-translations-l10n
          g++-mingw-w64-x86-64)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

case "${1:-}" in
run)
    # A demo workspace on first use: the local archive with a sample product
    # as its current object, the exchange folder and sample pictures. Later
    # runs keep what is there.
    bin=build/bin
    if [ ! -e "$bin/archive.sqlite" ]; then
        "$bin/ipcat-archive" create
        "$bin/ipcat-archive" load data/demo/pump.json
        "$bin/ipcat-archive" select "НЦ-50.00.000"
    fi
    mkdir -p "$bin/SearchWork" "$bin/samples"
    cp -n data/demo/samples/*.jpg "$bin/samples/"
    exec "$bin/ipcat"
    ;;
test)
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
