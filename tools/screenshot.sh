#!/usr/bin/env bash
# Takes a picture of the main window under a virtual X server, with a form
# chosen and a few rows ticked.
#   tools/screenshot.sh [output.png] [form] [rows]
# e.g. tools/screenshot.sh /tmp/form1.png 1099-MISC 0,5,9
# BUILD selects the build directory (default: build); POPUP=1 opens the form
# list and pictures the whole screen.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-/tmp/qs2017dm.png}"
form="${2:-1099-MISC}"
rows="${3:-0,5,9}"
program="${BUILD:-build}/bin/QS2017DM"
if [ ! -x "$program" ]; then
  echo "No program at $program (set BUILD to the build directory)" >&2
  exit 1
fi
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
popup=()
if [ -n "${POPUP:-}" ]; then popup=(QS2017DM_DEMO_POPUP=1); fi
env XDG_CONFIG_HOME="$config" QS2017DM_DEMO_FORM="$form" QS2017DM_DEMO_TICKS="$rows" \
  QS2017DM_DEMO_SHOT="$out" "${popup[@]}" xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$program"
echo "$out"
