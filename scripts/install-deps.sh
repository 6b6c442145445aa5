#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache
  qtbase5-dev qtdeclarative5-dev libqt5svg5-dev qml-module-qtquick2 qml-module-qtquick-controls2
  qttools5-dev qttools5-dev-tools
  libboost-filesystem-dev libboost-date-time-dev libboost-system-dev
  libtinyxml-dev libspdlog-dev libssl-dev libsqlite3-dev libxlsxwriter-dev libbenchmark-dev
  openssl time unzip
  # the package: its library dependencies (dpkg-shlibdeps) and the check of its desktop entry
  dpkg-dev desktop-file-utils
  # Qt's own texts (standard dialogs, buttons) in the viewer's other languages
  qttranslations5-l10n
  # The offline world map: Marble's library, its map data and the readers of that data
  libmarble-dev marble-data marble-plugins
  # CJK and Devanagari glyphs, so that place names in those scripts are not drawn as boxes
  fonts-wqy-microhei fonts-lohit-deva
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
