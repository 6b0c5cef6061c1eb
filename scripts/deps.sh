#!/usr/bin/env bash
# Installs the Debian packages a build needs when any is missing.
# Usage: scripts/deps.sh PACKAGE...   (sourced lists live in the callers)
set -euo pipefail

missing=()
for p in "$@"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A fresh machine has no package lists yet; refresh them once if an install fails.
if ! apt-get install -y -q "${missing[@]}"; then
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi
