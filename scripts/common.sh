# Shared by ./run and ./test: install what is missing, configure and build.

PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
          libgl-dev libjpeg62-turbo-dev libxcb1-dev libcups2-dev libgtest-dev fonts-liberation fonts-wine
          fonts-dejavu-core poppler-utils libqt6svg6 xdg-utils desktop-file-utils appstream man-db groff-base
          libzip-dev libxlsxwriter-dev libqrencode-dev zbar-tools unzip python3 python3-openpyxl xvfb xdotool x11-xkb-utils openbox
          clang libclang-rt-14-dev clang-format)

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing Debian packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR BUILD_TYPE [extra cmake args...]; BUILD_TARGETS limits what is built.
build() {
  local dir=$1 type=$2
  shift 2
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
  local targets=()
  for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}

# Fails when a C++ file differs from the house style in .clang-format; prints the places.
check_format() {
  local files
  mapfile -t files < <(find store editing print exports archive handoff documents app tests fuzz bench -name '*.h' -o -name '*.cpp' | sort)
  clang-format --dry-run --Werror "${files[@]}"
}
