# The install tree, the desktop integration files and the Debian package.
#
#   bin/quillmark                        the program
#   lib/quillmark/Quillmark.{vga,qvga}   the skin libraries (private: only the program loads them)
#   lib/quillmark/quillmark-vision.so    the OpenCV operations, loaded on first use (private)
#   lib/quillmark/quillmark-window.so    the screens, loaded when the program opens its window
#   share/quillmark/quillmark.htm        the help page
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man1, completions
#
# The program finds its private libraries and the help page relative to its own folder, so the
# tree works under any prefix and from the build folder alike.

find_program(QM_GZIP gzip REQUIRED)

set(QM_DESKTOP_DIR ${CMAKE_BINARY_DIR}/share/desktop)
file(MAKE_DIRECTORY ${QM_DESKTOP_DIR})

configure_file(${PROJECT_SOURCE_DIR}/data/${QM_APP_ID}.desktop
               ${QM_DESKTOP_DIR}/${QM_APP_ID}.desktop COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/${QM_APP_ID}.metainfo.xml
               ${QM_DESKTOP_DIR}/${QM_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/quillmark.1 ${QM_DESKTOP_DIR}/quillmark.1 @ONLY)

# Manual page and changelog compressed the way Debian wants them (no name or time in the
# header, so the package is reproducible).
add_custom_command(OUTPUT ${QM_DESKTOP_DIR}/quillmark.1.gz
  COMMAND ${QM_GZIP} -9nc ${QM_DESKTOP_DIR}/quillmark.1 > ${QM_DESKTOP_DIR}/quillmark.1.gz
  DEPENDS ${QM_DESKTOP_DIR}/quillmark.1 VERBATIM)
add_custom_command(OUTPUT ${QM_DESKTOP_DIR}/changelog.gz
  COMMAND ${QM_GZIP} -9nc ${PROJECT_SOURCE_DIR}/data/changelog > ${QM_DESKTOP_DIR}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/data/changelog VERBATIM)

# The launcher icon: the logo artwork as scalable SVG and at the sizes launchers ask for.
set(QM_ICON_SVG ${PROJECT_SOURCE_DIR}/skin/art/11910-logo.svg)
set(QM_ICON_SIZES 16 24 32 48 64 128 256 512)
set(icon_outputs)
foreach(size ${QM_ICON_SIZES})
  set(png ${QM_DESKTOP_DIR}/icons/${size}/${QM_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QM_DESKTOP_DIR}/icons/${size}
    COMMAND ${QM_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${QM_ICON_SVG}
    DEPENDS ${QM_ICON_SVG} VERBATIM)
  list(APPEND icon_outputs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(desktop_files ALL
  DEPENDS ${icon_outputs} ${QM_DESKTOP_DIR}/quillmark.1.gz ${QM_DESKTOP_DIR}/changelog.gz)

install(FILES ${QM_DESKTOP_DIR}/${QM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QM_DESKTOP_DIR}/${QM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QM_ICON_SVG} RENAME ${QM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${QM_APP_ID}-symbolic.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/symbolic/apps)
install(FILES ${QM_DESKTOP_DIR}/quillmark.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/completions/quillmark.bash RENAME quillmark
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${PROJECT_SOURCE_DIR}/data/completions/_quillmark
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${PROJECT_SOURCE_DIR}/data/completions/quillmark.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${QM_DESKTOP_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmark)

# The Debian package: `make package` (cpack -G DEB). Library dependencies come from the
# binaries (dpkg-shlibdeps) and the list of libraries loaded on first use below; helpers,
# plug-ins and data the program uses when present are recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "The Quillmark Mobile developers")
set(CPACK_PACKAGE_CONTACT "Quillmark Mobile developers <quillmark@tessaly.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "document copier: pages from camera or pictures to one PDF")
# Lines of at most 72 characters, as Debian's control files want them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quillmark Mobile photographs pages with the camera or imports\n"
  "pictures, lets the user arrange and edit them (turn, mirror, crop,\n"
  "undo, reorder, delete, blank pages) and builds one PDF on the chosen\n"
  "paper size, to open or to send by e-mail. It runs on desktops and\n"
  "Linux phones, by touch or keyboard, and from the terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries the program loads on first use (dlopen) are no NEEDED entry, so dpkg-shlibdeps
# does not see them: they are named here, one list entry each, with their bookworm version.
list(APPEND QM_DLOPENED_PACKAGES "libheif1 (>= 1.15.1)")
list(APPEND QM_DLOPENED_PACKAGES "libtesseract5 (>= 5.3.0)")
list(APPEND QM_DLOPENED_PACKAGES "libcurl4 (>= 7.88.1)")
list(APPEND QM_DLOPENED_PACKAGES "libgmime-3.0-0 (>= 3.2.13)")
list(APPEND QM_DLOPENED_PACKAGES "libsecret-1-0 (>= 0.20.5)")
list(APPEND QM_DLOPENED_PACKAGES "libsane1 (>= 1.2.1)")
list(APPEND QM_DLOPENED_PACKAGES "libgstreamer1.0-0 (>= 1.22.0)" "libgstreamer-plugins-base1.0-0 (>= 1.22.0)")
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS ${QM_DLOPENED_PACKAGES})
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "xdg-utils, tesseract-ocr-eng, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-pipewire, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tessaly.com/quillmark")
include(CPack)
