#!/bin/sh
# Installs the Debian packages that building, running and testing need.
set -e
SUDO=
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    build-essential cmake pkg-config \
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev \
    libsqlite3-dev libgtest-dev libbenchmark-dev \
    fonts-liberation2 fonts-dejavu-core \
    poppler-utils xvfb xauth >/dev/null
