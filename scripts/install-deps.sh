#!/usr/bin/env bash
# Installs what building and running Quizmoor needs on Debian 12 (as root); skips what is there.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# The 64-bit toolchain builds what runs and is tested here (this machine kind's kernel cannot run
# 32-bit code, so only 64-bit wine works); the 32-bit toolchain builds the PE32 release program.
for p in cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wine wine64 fonts-wine \
         xvfb x11-utils imagemagick fonts-wqy-zenhei locales python3-pil; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

# zh_CN.UTF-8 so that Wine's ANSI code page is 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
