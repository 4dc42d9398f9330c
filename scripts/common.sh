# Shared by run.sh and test.sh: the Debian packages the build needs, installed when missing.
# shellcheck shell=bash

MV_PACKAGES=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    libcurl4-openssl-dev libzip-dev libpugixml-dev libxlsxwriter-dev libcpp-httplib-dev libssl-dev
    libsqlite3-dev
)

mv_install_packages() {
    local missing=()
    for pkg in "${MV_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

mv_jobs() {
    nproc 2>/dev/null || echo 2
}
