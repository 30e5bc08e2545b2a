#!/usr/bin/env bash
# Installs what building and testing Quintaro needs on Debian or Ubuntu, if it is missing.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-multimedia-dev qt6-svg-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-qpa-plugins
    libqt6svg6 libgl-dev
    fonts-liberation
    xvfb xauth
    libbenchmark-dev
    python3
    clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file poppler-utils
    qt6-speech-dev qt6-declarative-dev
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    python3 python3-pyatspi at-spi2-core dbus-bin
    qt6-httpserver-dev qt6-websockets-dev libqrencode-dev
    zbar-tools chromium
)
if [ -n "${QUINTARO_EXTRA_PACKAGES:-}" ]; then
    read -r -a extra <<<"$QUINTARO_EXTRA_PACKAGES"
    PACKAGES+=("${extra[@]}")
fi

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
