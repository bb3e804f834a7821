#!/usr/bin/env bash
# Halvern: install what the build needs, build, then start the program or run the tests.
#   ./setup.sh run    build and start Halvern on the shipped data
#   ./setup.sh test   build and run every test
#   ./setup.sh build  build only
set -euo pipefail
cd "$(dirname "$0")"
action="${1:-build}"
build_dir="${HALVERN_BUILD_DIR:-build}"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libsqlcipher-dev zlib1g-dev libminizip-dev libgtest-dev
  libfontconfig-dev libfreetype-dev
  fonts-arphic-uming fonts-arphic-ukai
  xvfb xauth poppler-utils xdg-utils
  openbox xdotool sqlite3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --parallel "$(nproc)"

case "$action" in
  run)
    exec "$build_dir/program/halvern"
    ;;
  test)
    cd "$build_dir"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 300
    ;;
  build) ;;
  *)
    echo "usage: $0 run|test|build" >&2
    exit 2
    ;;
esac
