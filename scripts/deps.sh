#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need (only the
# missing ones), and the packages named as arguments (scripts/package).
# Uses sudo when not run as root.
set -euo pipefail
# fonts-liberation: the printouts ask for "Times New Roman", which fontconfig
# resolves to the metric-compatible Liberation Serif; poppler-utils renders
# their PDFs to look at them. qt6-translations-l10n: Qt's own dialogs and
# buttons in the interface's language. qt6-charts-dev: the charts of the
# windows; its CMake package needs the OpenGL one from libqt6opengl6-dev.
pkgs=(build-essential cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev
      qt6-qpa-plugins libgl-dev qt6-translations-l10n
      nlohmann-json3-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
      xvfb xauth fonts-dejavu-core fonts-liberation poppler-utils clang-format clang
      libclang-rt-14-dev "$@")
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "installing: ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so the tests can prove numbers ignore the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends locales
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
