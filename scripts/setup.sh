#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, when it is missing (as root), or says what to run.
set -euo pipefail

packages=(cmake g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine64 xvfb x11-utils fonts-wqy-microhei
          imagemagick locales googletest python3 python3-pefile)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages; run as root: apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine garbles every non-ASCII name from Linux unless the Chinese locale exists.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing locale; run as root: localedef -i zh_CN -f UTF-8 zh_CN.UTF-8" >&2
    exit 1
  fi
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
