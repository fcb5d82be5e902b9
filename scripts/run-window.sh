#!/usr/bin/env bash
# Starts the window, or says in one line why it cannot.
set -euo pipefail
exe="$1"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "cardgen: no display found (DISPLAY is not set); start it from a desktop session, or try: xvfb-run $exe" >&2
    exit 1
fi
exec "$exe"
