# Shared by run.sh and the test scripts: install what is missing, then build.
# SPDX-License-Identifier: GPL-3.0-or-later
# Each list takes one Debian package a line; a new need is one more line.

# What building and playing need. The X11 platform plugin comes with
# libqt6gui6, fontconfig with the fonts.
run_packages=(
    g++
    make
    cmake
    qt6-base-dev
    qt6-translations-l10n # Qt's own texts (buttons of the message boxes) in each language
    qt6-tools-dev         # Qt6LinguistTools for CMake: the translations built into the program
    qt6-l10n-tools        # lrelease and lupdate
    fonts-liberation      # the faces the design names
    fonts-dejavu-core     # the desktop's sans-serif for menus and dialogs (else a monospaced face)
    libqt6sql6-sqlite     # Qt's SQLite driver, which keeps the pupils' answers
    libsqlite3-dev        # SQLite's own header: a time limit on reading a file from anyone
    libqt6sql6-psql       # Qt's PostgreSQL driver, which sends them to the school's server
    libpq-dev             # libpq's header: the values go apart from the statement's text
    libxlsxwriter-dev     # the report as a spreadsheet
    pkg-config            # how CMake finds libxlsxwriter
    zlib1g-dev            # libxlsxwriter asks the linker for -lz, which its package does not bring
    galculator            # a small calculator for "Calcolatrice" (any of those it looks for will do)
)

# What the test suite calls, on top of the above. Tests whose tools are
# missing are skipped and say which.
test_packages=(
    dpkg-dev           # dpkg-shlibdeps: deb_package builds the package
    file               # CPack's DEB generator runs it on every file
    poppler-utils      # pdftotext reads the worksheets back
    sqlite3            # reads the record files apart from Qt's driver
    desktop-file-utils # desktop-file-validate
    appstream          # appstreamcli validate
    xvfb               # orca_play: a display,
    xauth
    jwm                # a window manager,
    xdotool            # the keys a pupil types,
    dbus               # a session bus,
    at-spi2-core       # the accessibility bus,
    orca               # and the screen reader
    postgresql         # a real school server, started by the tests in a temporary folder
    openssl            # its certificate, for the connections that must be encrypted
    python3-openpyxl   # reads the teacher's spreadsheet back
)
# npm fetches the GIFT parser that reads the Moodle test's file back. A machine
# with a Node.js of its own has its npm already, and Debian's would conflict.
command -v npm >/dev/null || test_packages+=(npm)

# install_missing PACKAGE...: through sudo when not root; no recommended
# packages, so that only what is listed (and what it depends on) comes in.
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
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
