#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a temporary root and uses
# the unpacked program there: read-only, with an empty home, it must write only below the XDG
# folders. Validates the desktop entry, the metainfo and the package itself, and checks that
# the manual page and the shell completions know every option the program's help names.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
app_id=com.tessaly.Quillmark

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is missing (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
# Scanners: SANE's test backend only, never the machine's.
mkdir -p "$work/sane" && echo test >"$work/sane/dll.conf"
export SANE_CONFIG_DIR="$work/sane"
cleanup() { chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# cpack installs into its own staging folder, so tests running beside it are not disturbed.
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"; fail "cpack did not build the package"
fi
deb=$(ls "$work"/out/quillmark_*.deb)
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libhpdf* && $depends == *libopencv-imgproc* ]] ||
  fail "Depends does not come from the program's libraries: '$depends'"
# Loaded on first use, so only named by hand: dpkg-shlibdeps cannot see them.
for package in libheif1 libtesseract5 libcurl4 libgmime-3.0-0 libsecret-1-0 libsane1 \
    libgstreamer1.0-0 libgstreamer-plugins-base1.0-0; do
  [[ $depends == *"$package (>= "* ]] || fail "Depends lacks $package: '$depends'"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
# Loaded on first use (loading them at start cost every run), never linked.
needed=$(readelf -d "$root/usr/bin/quillmark" | grep NEEDED)
for library in libheif libtesseract libcurl libgmime libsecret libsane libgst libopencv libQt6Widgets; do
  [[ $needed != *"$library"* ]] || fail "the program links $library"
done
# The hand-over socket is the platform layer's own: Qt Network is not needed at all.
[[ $needed != *libQt6Network* ]] || fail "the program links libQt6Network"
for f in usr/bin/quillmark usr/lib/quillmark/Quillmark.vga usr/lib/quillmark/Quillmark.qvga \
    usr/lib/quillmark/quillmark-vision.so usr/lib/quillmark/quillmark-window.so \
    usr/share/quillmark/quillmark.htm \
    usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    usr/share/icons/hicolor/symbolic/apps/$app_id-symbolic.svg \
    usr/share/icons/hicolor/48x48/apps/$app_id.png usr/share/icons/hicolor/256x256/apps/$app_id.png \
    usr/share/man/man1/quillmark.1.gz usr/share/bash-completion/completions/quillmark \
    usr/share/zsh/vendor-completions/_quillmark usr/share/fish/vendor_completions.d/quillmark.fish \
    usr/share/doc/quillmark/copyright usr/share/doc/quillmark/changelog.gz; do
  [[ -f $root/$f ]] || fail "the package lacks $f"
done
if find "$root" -path '*/lib/share*' -o -path '*/lib/quillmark/quillmark' | grep -q .; then
  fail "the package still has the old layout"
fi

desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo"
# Errors fail; warnings are printed for the next person to look at.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian found errors"

# The unpacked program, read-only, with an empty home and nothing of the build around it.
chmod -R a-w "$root"
home=$work/home
mkdir -p "$home" "$work/tmp"
touch "$work/stamp"
sleep 1
run() {
  env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$work" TMPDIR="$work/tmp" "$root/usr/bin/quillmark" "$@"
}
version=$(run --version) || fail "--version"
[[ $version == *1.* ]] || fail "--version printed '$version'"
picture=$root/usr/share/icons/hicolor/64x64/apps/$app_id.png
run pdf -o "$work/out.pdf" "$picture" || fail "pdf from the unpacked program"
[[ $(head -c 5 "$work/out.pdf") == "%PDF-" ]] || fail "no PDF written"
# Black and white pages are thresholded by the vision library, found through ../lib/quillmark.
run pdf --quality bw -o "$work/bw.pdf" "$picture" || fail "black and white pdf"
grep -qa CCITTFaxDecode "$work/bw.pdf" || fail "the black and white page is not a 1-bit picture"
# Writing anything into the install tree would fail for a user; as root it must not happen.
written=$(find "$root" -newer "$work/stamp" | head -5)
[[ -z $written ]] || fail "the program wrote into its install tree: $written"

# The window and skin libraries are found from bin/ through ../lib/quillmark: the tour draws
# with them.
run --screenshots "$work/shots" >"$work/tour.log" 2>&1 || { tail -20 "$work/tour.log"; fail "tour"; }
[[ -s $work/shots/02-main.png ]] || fail "the tour drew no main screen"
outside=$(find "$home" -type f | grep -v -e "^$home/.local/share/quillmark/" \
  -e "^$home/.config/quillmark/" -e "^$home/.cache/" | head -5 || true)
[[ -z $outside ]] || fail "files outside the XDG folders: $outside"

# Every option the help names is in the manual page and in each completion.
man_text=$(zcat "$root/usr/share/man/man1/quillmark.1.gz" | sed 's/\\-/-/g')
help_text=$(run --help; for c in settings pdf scan account send; do run "$c" --help 2>&1 || true; done)
missing=()
for option in $(grep -oE -- '--[a-z][a-z-]+' <<<"$help_text" | sort -u); do
  grep -qF -- "$option" <<<"$man_text" || missing+=("man:$option")
  for c in usr/share/bash-completion/completions/quillmark usr/share/zsh/vendor-completions/_quillmark \
      usr/share/fish/vendor_completions.d/quillmark.fish; do
    short=${option#--}
    grep -qE -- "(--|-l )$short\b" "$root/$c" || missing+=("$(basename "$c"):$option")
  done
done
((${#missing[@]} == 0)) || fail "not documented or completed: ${missing[*]}"
echo "package ok"
