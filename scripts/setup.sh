# Shared by play.sh and test.sh: installs the Debian packages that are missing
# and configures and builds the game in build/. Sourced, not run.

# need_packages PACKAGE...: installs those not yet installed (apt-get update once).
need_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

build_packages=(g++ make cmake pkg-config libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libx11-dev)

# build_game DIR [CMAKE-ARGUMENTS...]: configures and builds in DIR.
build_game() {
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
