#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a Debian 12 machine lacks, builds Tenvari and runs it or its tests.
#
#   ./dev.sh run        build (default preset) and start Tenvari
#   ./dev.sh test       build (default preset) and run every test
#   ./dev.sh sanitize   build with AddressSanitizer + UBSan and run every test
#   ./dev.sh release    build optimised (release preset) and run every test
#   ./dev.sh bench      build the benchmarks (bench preset; see bench/README.md)
#   ./dev.sh install    build the Debian packages (their build runs every test)
#                       and install them: tenvari, tenvari-cli, python3-tenvari
set -euo pipefail
cd "$(dirname "$0")"

# qt6-qpa-plugins: the VNC platform, on which the real link opener is tested headless.
# liberfa-dev: the IAU models of the reference ayanamsa. libcli11-dev: tenvari-cli's options.
# qt6-tools-dev, qt6-l10n-tools: lupdate and lrelease for the translations; fonts-noto-core:
# a Devanagari face, for the Hindi window and the tests that measure its texts.
# python3-dev, pybind11-dev: the Python module; pytest, NumPy, pandas and Dask: its tests.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins fonts-dejavu-core
    liberfa-dev libcli11-dev qt6-tools-dev qt6-l10n-tools fonts-noto-core python3-dev
    pybind11-dev python3-pytest python3-numpy python3-pandas python3-dask python3-distributed)
# The benchmarks only: Google Benchmark, and the Swiss Ephemeris library that
# bench_cli compares the reference with (never linked into the programs).
bench_packages=(libbenchmark-dev libswe-dev)

# sudo when not root; apt-get without questions, waiting for another
# package manager's run to end instead of failing.
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
apt_get() {
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600 "$@"
}

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    apt_get -qq update
    apt_get -qq install --no-install-recommends "${missing[@]}"
}

# The packages, built from this tree into its parent folder, then installed.
install_packages() {
    apt_get -qq update
    apt_get -qq build-dep ./
    dpkg-buildpackage -b -us -uc
    local version arch
    version=$(dpkg-parsechangelog -S Version)
    arch=$(dpkg --print-architecture)
    apt_get install "$PWD/../tenvari_${version}_$arch.deb" \
        "$PWD/../tenvari-cli_${version}_$arch.deb" "$PWD/../python3-tenvari_${version}_$arch.deb"
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

case "${1:-}" in
run)
    install_missing
    build default
    exec build/default/src/app/tenvari
    ;;
test)
    install_missing
    build default
    ctest --preset default
    ;;
sanitize | release)
    install_missing
    build "$1"
    ctest --preset "$1"
    ;;
bench)
    packages+=("${bench_packages[@]}")
    install_missing
    build bench
    echo "built; run build/bench/bench/bench_ayanamsa, build/bench/bench/bench_cli or bench/*.sh"
    ;;
install)
    install_packages
    ;;
*)
    echo "usage: $0 run|test|sanitize|release|bench|install" >&2
    exit 2
    ;;
esac
