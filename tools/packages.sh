# Installs the Debian packages the build and the tests need, when any is missing.
# Sourced by ./test and ./run.
dashcam_packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev python3 googletest
    g++-mingw-w64-x86-64-posix wine64 xvfb xdotool imagemagick x11-utils fonts-nanum
)

ensure_packages() {
    local missing=()
    for p in "${dashcam_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
