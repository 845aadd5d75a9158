#!/usr/bin/env bash
# Installs what Pitch Ledger needs to build and test on Debian 12 (clang and
# its sanitizer and libFuzzer runtime for the sanitizer build and fuzz targets;
# SQLite and libpq for the gauge register, and the PostgreSQL server whose
# programs its tests start a throw-away cluster with; lintian for the package).
set -euo pipefail
SUDO=
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi

PACKAGES=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev locales qt6-base-dev qt6-svg-dev libgl-dev nlohmann-json3-dev fonts-liberation2 poppler-utils
          clang libclang-rt-14-dev dpkg-dev file help2man desktop-file-utils appstream clang-format
          libsqlite3-dev libpq-dev postgresql lintian python3-jsonschema)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests run once under a comma-decimal locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
