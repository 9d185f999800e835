#!/usr/bin/env bash
# Installs, builds and starts Corvanta. Without a display it runs offscreen and answers its
# message boxes on the terminal, so the guard and corvanta-dialsim can be tried anywhere.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the guard offscreen (messages appear here)."
    echo "Try: build/bin/corvanta-dialsim dial --number 0123; build/bin/corvanta-dialsim list"
    export QT_QPA_PLATFORM=offscreen CORVANTA_UNATTENDED=1
fi
exec build/bin/corvanta
