# Shared by run.sh and test.sh: install what is missing, then build.
# SPDX-License-Identifier: GPL-3.0-or-later

# dpkg-dev gives dpkg-shlibdeps, which the .deb test needs to build the package;
# poppler-utils gives pdftotext, which reads the worksheets back; the two
# validators check the desktop entry and the AppStream data. The third
# line serves the screen-reader test, which skips without them.
packages=(g++ make cmake qt6-base-dev qt6-translations-l10n fonts-liberation dpkg-dev
          poppler-utils desktop-file-utils appstream
          xvfb jwm xdotool dbus at-spi2-core orca)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build [folder [cmake options...]]: configures and builds, in build/ unless told.
# SOLVETRA_WERROR=ON in the environment (CI sets it) makes warnings errors.
build() {
    local folder="${1:-build}"
    shift || true
    cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSOLVETRA_WERROR="${SOLVETRA_WERROR:-OFF}" "$@" >/dev/null
    cmake --build "$folder" --parallel "$(nproc)"
}
