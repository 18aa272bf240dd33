#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail
pkgs=(build-essential cmake qtbase5-dev qtbase5-dev-tools libqt5charts5-dev)
if [ "${1:-}" = "--test" ]; then
  # Independent oracles used only by the tests, and the benchmark library for bench/.
  pkgs+=(libeigen3-dev nauty poppler-utils libbenchmark-dev)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
