#!/usr/bin/env bash
# Builds the editor and starts it. Without a display it starts the editor on
# a virtual display, saves a screenshot of the window and exits.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/deps.sh" "${BUILD_PACKAGES[@]}"

build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMONTEGURA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target montegura

exe="$build/montegura"
if [[ ! -x "$exe" ]]; then
  echo "The editor window is not built yet: $exe is missing." >&2
  exit 1
fi

# The editor looks for its catalogs in the current folder first, then
# beside the program, so it may start from anywhere.
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$exe"
fi

echo "No display found: starting the editor on a virtual display and taking a screenshot."
"$root/scripts/deps.sh" "${HEADLESS_PACKAGES[@]}"
shot="$build/montegura-screenshot.png"
# A private runtime folder, as a desktop session would provide.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
rm -f "$shot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" & pid=$!
  for _ in $(seq 1 50); do
    sleep 0.2
    if import -window root "$2" 2>/dev/null && [[ $(identify -format "%k" "$2" 2>/dev/null || echo 1) -gt 1 ]]; then
      sleep 0.5; import -window root "$2"; break
    fi
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' _ "$exe" "$shot"
if [[ -s "$shot" ]]; then
  echo "Screenshot saved: $shot"
else
  echo "The editor started but no screenshot could be taken." >&2
  exit 1
fi
