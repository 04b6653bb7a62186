# Sourced by the scripts: installs the Debian packages of debian-packages.txt that are missing.
# Usage: install_packages GROUP...   (groups: core, fuzz, gui, package)

tabula_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages_for() {
    local group
    for group in "$@"; do
        sed -n "s/^${group}:[[:space:]]*\\([^[:space:]#]*\\).*/\\1/p" "$tabula_root/debian-packages.txt"
    done
}

install_packages() {
    local missing=() package
    for package in $(packages_for "$@"); do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q >/dev/null || return 1
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}" || return 1
}
