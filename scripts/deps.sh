# Installs the Debian packages a command needs, only those not yet installed.
# Sourced by the other scripts: velsira_need PACKAGE...
velsira_need() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

VELSIRA_BUILD_PACKAGES=(g++ cmake make pkg-config nlohmann-json3-dev libginac-dev qt6-base-dev qt6-svg-dev libqt6opengl6-dev fonts-liberation2 qt6-translations-l10n)
VELSIRA_TEST_PACKAGES=(libgtest-dev libbenchmark-dev python3)
# scripts/package and scripts/test-package: the package tools and checkers.
VELSIRA_PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)

# Configures and builds everything into build/: the development and test
# build (RelWithDebInfo).
velsira_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" -j"$(nproc)"
}

# The build that is shipped and measured: Release, in build-release/, without
# the tests. scripts/run, scripts/package and scripts/bench build their
# targets in it: velsira_build_release TARGET...
VELSIRA_RELEASE_DIR=build-release
velsira_build_release() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  velsira_configure_release
  cmake --build "$root/$VELSIRA_RELEASE_DIR" -j"$(nproc)" --target "$@"
}

# Configures the Release build without building anything.
velsira_configure_release() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake -S "$root" -B "$root/$VELSIRA_RELEASE_DIR" -DCMAKE_BUILD_TYPE=Release -DVELSIRA_TESTS=OFF >/dev/null
}

# Whether the Release build has the target (the desktop program only where
# Qt 6 was found).
velsira_release_has_target() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake --build "$root/$VELSIRA_RELEASE_DIR" --target help | grep -qx "\.\.\. $1"
}
