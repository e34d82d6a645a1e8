#!/usr/bin/env bash
# Installs everything the project needs on a Debian 12 machine. Safe to run again.
set -euo pipefail
packages=(cmake make g++ libgtest-dev googletest libbenchmark-dev clang-14 libclang-rt-14-dev
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32:i386 wine64 fonts-wine fonts-ipafont-gothic fonts-nanum xvfb xauth xdotool x11-utils
  nsis imagemagick locales tango-icon-theme librsvg2-bin icoutils python3)
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo

apt_get() {  # apt-get, quiet and without questions, with the options in apt_options
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -qq "${apt_options[@]}" "$@"
}

install_packages() {  # packages...; fails on incomplete lists or an install apt cannot plan
  apt_get update || return 1
  apt_get install -y --no-install-recommends "$@" >/dev/null
}

without_security_lines() {  # a one-line list file, printed without its security suites
  grep -Ev '^[[:space:]]*deb(-src)?[[:space:]].*(-security|/updates)([[:space:]/]|$)' "$1" || true
}

# The machine's sources without the security suite, written into $1: one-line
# lists lose their security lines, deb822 stanzas their security suites (a
# stanza left with none is dropped). The machine's own files stay as they are.
write_sources_without_security() {
  local into=$1 etc list parts f
  eval "$(apt-config shell etc Dir::Etc/d list Dir::Etc::sourcelist/f parts Dir::Etc::sourceparts/d)"
  mkdir -p "$into/parts"
  : >"$into/sources.list"
  [ -f "$list" ] && without_security_lines "$list" >"$into/sources.list"
  for f in "$parts"/*.list; do
    [ -f "$f" ] && without_security_lines "$f" >"$into/parts/$(basename "$f")"
  done
  for f in "$parts"/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
      {
        n = split($0, line, "\n"); out = ""; keep = 1
        for (i = 1; i <= n; i++) {
          if (line[i] ~ /^Suites:/) {
            m = split(substr(line[i], 8), suite, /[ \t]+/); rest = ""
            for (j = 1; j <= m; j++)
              if (suite[j] != "" && suite[j] !~ /-security$|\/updates$/) rest = rest " " suite[j]
            if (rest == "") keep = 0
            line[i] = "Suites:" rest
          }
          out = out line[i] "\n"
        }
        if (keep) printf "%s\n", out
      }' "$f" >"$into/parts/$(basename "$f")"
  done
  # Nothing left to install from would make apt's complaint about it look like the cause.
  grep -Eqs '^[[:space:]]*(deb[[:space:]]|URIs:)' "$into/sources.list" "$into"/parts/* || {
    echo "setup: no package source is left without the security suite" >&2
    return 1
  }
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  apt_options=()
  # STOWPANE_SETUP_FALLBACK=1 takes the second way at once, to prove it on a whole mirror.
  if [ "${STOWPANE_SETUP_FALLBACK:-0}" = 1 ] || ! install_packages "${missing[@]}"; then
    # Multi-arch needs one version of a library for both architectures. The
    # security suite's i386 index has lagged its amd64 one for days at a time,
    # and then neither the lists nor the install can be completed from it.
    echo "setup: the package lists are incomplete or inconsistent between amd64 and i386;" \
      "installing from the suites that hold both (without the security suite)"
    fallback=$(mktemp -d)
    trap 'rm -rf "$fallback"' EXIT
    mkdir -p "$fallback/lists/partial"
    write_sources_without_security "$fallback" || exit 1
    # Own lists and no caches, so the machine's apt state is as it was afterwards.
    apt_options=(-o "Dir::Etc::SourceList=$fallback/sources.list"
      -o "Dir::Etc::SourceParts=$fallback/parts" -o "Dir::State::Lists=$fallback/lists"
      -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
    installed=""
    for attempt in 1 2 3; do
      if install_packages "${missing[@]}"; then installed=1; break; fi
      echo "setup: install without the security suite failed (try $attempt of 3)"
      [ "$attempt" = 3 ] || sleep 20
    done
    [ -n "$installed" ] || { echo "setup: the packages could not be installed" >&2; exit 1; }
  fi
fi
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
