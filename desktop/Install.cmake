# What `cmake --install` puts under the prefix, and the Debian package made from it
# (scripts/package). The program finds its companion files in ../share/tagwell/ from its
# bin/ folder and keeps the user's settings in a per-user folder (see ProgramFolder).
include(GNUInstallDirs)
# Packaging needs the program, not the tests: cpack installs what is built.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The picture the software centres show; the README's own screenshot by default.
set(TAGWELL_SCREENSHOT_URL "https://raw.githubusercontent.com/tagwell/tagwell/main/docs/screenshot.png"
    CACHE STRING "Address of the screenshot in the AppStream metainfo")
configure_file(${CMAKE_CURRENT_LIST_DIR}/io.github.tagwell.Tagwell.metainfo.xml ${CMAKE_BINARY_DIR}/desktop/io.github.tagwell.Tagwell.metainfo.xml @ONLY)

install(TARGETS tagwell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A test build's library is shared: its copy goes beside the program's own libraries.
if(TAGWELL_SHARED_LIB)
  install(TARGETS tagwell_lib LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/tagwell)
  set_target_properties(tagwell PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}/tagwell")
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tagwell)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/io.github.tagwell.Tagwell.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/desktop/io.github.tagwell.Tagwell.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/tagwell.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/tagwell-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tagwell.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagwell)
set(CPACK_PACKAGE_VERSION ${TAGWELL_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "Tagwell developers")
set(CPACK_PACKAGE_CONTACT "Tagwell developers <tagwell@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for hand-written HTML pages")
set(CPACK_PACKAGE_DESCRIPTION "Tagwell edits the HTML source of web pages as plain text, several
documents at once in tabs, and inserts markup from menus, a tabbed HTML tool
bar, short-cut keys and small dialogs. Its interface is in Japanese; documents
are Shift_JIS or UTF-8.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt and system libraries the program links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the plug-ins that draw the SVG tool
# button images; Qt's Japanese texts and a Japanese font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "firefox-esr | chromium")
set(CPACK_STRIP_FILES ON)
include(CPack)
