#!/usr/bin/env bash
# Installs everything the project needs on a Debian 12 machine. Safe to run again.
set -euo pipefail
packages=(cmake make g++ libgtest-dev googletest libbenchmark-dev clang-14 libclang-rt-14-dev
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32:i386 wine64 fonts-wine fonts-ipafont-gothic fonts-nanum xvfb xauth xdotool x11-utils
  nsis imagemagick locales tango-icon-theme librsvg2-bin icoutils python3)
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  # A mirror caught mid-sync fails one index now and then; the next try
  # usually finds it whole, and the install can go on with what was fetched.
  for attempt in 1 2 3; do
    $sudo apt-get update -qq && break
    echo "setup: package lists incomplete (try $attempt of 3)"
    [ "$attempt" = 3 ] || sleep 20
  done
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
