# Shared by run.sh and test.sh: installs what the build needs when it is missing.
# Sourced, not run.

CORLINTH_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    librtmidi-dev
    libgtest-dev googletest
)
# Only the tests need these: the JACK server with its dummy driver, clang's libFuzzer,
# and the PDF tools that check the help documents.
CORLINTH_TEST_PACKAGES=(jackd2 clang libclang-rt-14-dev poppler-utils)

corlinth_missing_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    echo "${missing[@]}"
}

corlinth_ensure_packages() {
    local missing
    missing=$(corlinth_missing_packages "$@")
    [ -z "$missing" ] && return 0
    if ! command -v apt-get >/dev/null 2>&1; then
        echo "Missing packages: $missing (install them with your package manager)" >&2
        return 1
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: $missing" >&2
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q >&2
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing >&2
}

corlinth_generator() {
    if command -v ninja >/dev/null 2>&1; then
        echo "-G Ninja"
    fi
}

corlinth_jobs() {
    nproc 2>/dev/null || echo 2
}
