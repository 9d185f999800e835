#!/usr/bin/env bash
# Installs what Corvanta needs to build, test and run on Debian 12. Safe to run twice.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    build-essential cmake ninja-build pkg-config \
    qt6-base-dev qt6-multimedia-dev \
    libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev \
    traceroute xauth >/dev/null
