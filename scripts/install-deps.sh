#!/usr/bin/env bash
# Installs the Debian packages Quillmark needs to build, run and test.
# Idempotent: only packages that are missing are installed.
#   scripts/install-deps.sh          build, run and test dependencies
#   scripts/install-deps.sh --bench  also the tools the benchmarks compare against
#   scripts/install-deps.sh --tidy   also clang-tidy-14 ('make tidy')
#   scripts/install-deps.sh --fuzz   also clang and libFuzzer for the fuzz targets
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build ccache pkg-config git
  # the formatter, pinned: another version formats some code differently
  clang-format-14
  # platform layer: window system, drawing, decoders, SVG artwork
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-svg-dev libqt6svg6
  librsvg2-bin fonts-dejavu-core xdg-utils
  # translations: lupdate/lrelease and their CMake functions
  qt6-l10n-tools qt6-tools-dev
  # pictures, PDF, compression; HEIC/HEIF photos (with its HEVC encoder, which the tests use)
  libhpdf-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev libheif-dev
  # finding and straightening the sheet in a photo
  libopencv-dev
  # recognising text for searchable PDFs, with the English language data
  libtesseract-dev tesseract-ocr-eng
  # camera
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-tools gstreamer1.0-pipewire
  # scanners: SANE and its backends (libsane1 holds the test backend the tests scan from),
  # scanimage to compare with
  libsane-dev libsane1 sane-utils
  # mail
  libgmime-3.0-dev libcurl4-openssl-dev libsecret-1-dev
  # tests
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # writing multi-page and turned TIFF files in the tests (Qt's writer makes single pages)
  libtiff-dev
  python3-aiosmtpd openssl poppler-utils qpdf
  # the Debian package (make package) and the validators of its desktop files
  dpkg-dev file desktop-file-utils appstream lintian
  # end-to-end test: X server, private D-Bus session, accessibility bus and its Python client,
  # and a tool that resizes the window as a window manager does
  xvfb dbus at-spi2-core python3-pyatspi xdotool
)
bench_packages=(img2pdf libjpeg-turbo-progs libvips-tools tesseract-ocr)
tidy_packages=(clang-tidy-14)
fuzz_packages=(clang-14 libclang-rt-14-dev)

for option in "$@"; do
  case "$option" in
  --bench) packages+=("${bench_packages[@]}") ;;
  --tidy) packages+=("${tidy_packages[@]}") ;;
  --fuzz) packages+=("${fuzz_packages[@]}") ;;
  *)
    echo "install-deps: unknown option $option" >&2
    exit 2
    ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
