# Installs what building and testing need on a fresh Debian machine, once.
# Sourced by scripts/test and scripts/run.

hopmark_packages=(
    cmake g++ make googletest libbenchmark-dev locales python3
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wine wine32:i386
    xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic xclip
)

hopmark_missing_packages() {
    local pkg
    for pkg in "${hopmark_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
    done
}

hopmark_setup() {
    local missing
    missing=$(hopmark_missing_packages)
    if [ -n "$missing" ]; then
        echo "== installing: $(echo $missing)"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo dpkg --add-architecture i386
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
    fi
    # Wine's ANSI code page follows the locale: ja_JP gives code page 932.
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        echo "== generating the ja_JP.UTF-8 locale"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo locale-gen >/dev/null
    fi
}
