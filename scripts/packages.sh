# Debian 12 packages that building, running and testing need. Sourced by run and test.
TALLYVANE_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  libgtest-dev libgmock-dev libgmp-dev libbenchmark-dev
  qt6-base-dev fonts-arphic-uming libasound2-dev alsa-utils sox
  xvfb xauth xdotool imagemagick x11-utils
)

# Installs whatever of TALLYVANE_PACKAGES is missing; silent when everything is there.
ensure_packages() {
  local missing=()
  local p
  for p in "${TALLYVANE_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}
