#!/usr/bin/env bash
# Installs what is missing, builds, and starts Phonikon.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/phonikon ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kein Bildschirm gefunden (DISPLAY ist leer): Phonikon läuft in einem virtuellen X-Server." >&2
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/phonikon "$@"
  fi
  exec build/phonikon "$@"
fi
exec build/phonikon-cli protokoll examples/beispiel.dat
