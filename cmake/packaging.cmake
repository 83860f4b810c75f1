# Installing and packaging. `cmake --install` lays out a prefix the way the
# program looks for it when installed: bin/tgedit and bin/tgedit-cli, the
# shipped data in share/tgedit (found as bin/../share/tgedit), the menu entry,
# icons, AppStream metadata and manual pages. CPack makes the Debian package
# from the same rules.

include(GNUInstallDirs)

# Where the project lives on the web, for the package and the AppStream
# metadata (homepage, screenshots, maintainer): set these when it has a home.
set(TGEDIT_HOMEPAGE "https://example.org/tgedit" CACHE STRING "The project's homepage")
set(TGEDIT_PACKAGE_MAINTAINER "The TG Edit developers <tgedit@example.org>"
    CACHE STRING "Name and address of the package's maintainer")
set(TGEDIT_APPSTREAM_ID org.example.tgedit)
set(TGEDIT_SCREENSHOTS_URL ${TGEDIT_HOMEPAGE}/screenshots)

if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "The installed program finds its data only as bin/../share/tgedit; "
                  "CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR are not bin and share.")
endif()
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(TGEDIT_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tgedit)
set(TGEDIT_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS tgedit-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TGEDIT_DATA_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tgedit)

if(UNIX AND NOT CMAKE_CROSSCOMPILING AND NOT TGEDIT_FUZZ)
  find_program(GZIP_EXECUTABLE gzip REQUIRED)
  # gzip -n: no name or time in the header, so the files do not change from
  # one build to the next.
  configure_file(packaging/changelog.in ${TGEDIT_PACKAGING_DIR}/changelog @ONLY)
  configure_file(packaging/tgedit.1.in ${TGEDIT_PACKAGING_DIR}/tgedit.1 @ONLY)
  set(outputs)
  foreach(name changelog tgedit.1)
    add_custom_command(
      OUTPUT ${TGEDIT_PACKAGING_DIR}/${name}.gz
      COMMAND ${GZIP_EXECUTABLE} -9nc ${TGEDIT_PACKAGING_DIR}/${name} > ${name}.gz
      DEPENDS ${TGEDIT_PACKAGING_DIR}/${name}
      WORKING_DIRECTORY ${TGEDIT_PACKAGING_DIR})
    list(APPEND outputs ${TGEDIT_PACKAGING_DIR}/${name}.gz)
  endforeach()
  # The manual page of tgedit-cli is its own help, so the two cannot differ.
  add_custom_command(
    OUTPUT ${TGEDIT_PACKAGING_DIR}/tgedit-cli.1.gz
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:tgedit-cli> -DVERSION=${PROJECT_VERSION}
            -DOUT=${TGEDIT_PACKAGING_DIR}/tgedit-cli.1 -P ${PROJECT_SOURCE_DIR}/cmake/make_cli_man.cmake
    COMMAND ${GZIP_EXECUTABLE} -9nf ${TGEDIT_PACKAGING_DIR}/tgedit-cli.1
    DEPENDS tgedit-cli ${PROJECT_SOURCE_DIR}/cmake/make_cli_man.cmake VERBATIM)
  list(APPEND outputs ${TGEDIT_PACKAGING_DIR}/tgedit-cli.1.gz)
  add_custom_target(tgedit_packaging_files ALL DEPENDS ${outputs})

  install(FILES ${TGEDIT_PACKAGING_DIR}/tgedit-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES packaging/copyright ${TGEDIT_PACKAGING_DIR}/changelog.gz
          DESTINATION ${TGEDIT_DOC_DIR})
endif()

if(TGEDIT_BUILD_UI)
  install(TARGETS tgedit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The icon files of the hicolor theme, drawn by the code of the window icon.
  set(TGEDIT_ICON_SIZES 16 24 32 48 64 128 256)
  add_executable(make_icons tools/make_icons.cpp src/ui/program_icon.cpp)
  target_include_directories(make_icons PRIVATE src)
  target_link_libraries(make_icons PRIVATE Qt6::Gui tgedit_warnings)
  set_target_properties(make_icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
  set(icons)
  foreach(size ${TGEDIT_ICON_SIZES})
    list(APPEND icons ${TGEDIT_PACKAGING_DIR}/hicolor/${size}x${size}/apps/tgedit.png)
  endforeach()
  add_custom_command(OUTPUT ${icons}
                     COMMAND make_icons ${TGEDIT_PACKAGING_DIR}/hicolor ${TGEDIT_ICON_SIZES}
                     DEPENDS make_icons VERBATIM)
  add_custom_target(tgedit_icons ALL DEPENDS ${icons})
  install(DIRECTORY ${TGEDIT_PACKAGING_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

  configure_file(packaging/tgedit.metainfo.xml.in
                 ${TGEDIT_PACKAGING_DIR}/${TGEDIT_APPSTREAM_ID}.metainfo.xml @ONLY)
  install(FILES packaging/tgedit.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${TGEDIT_PACKAGING_DIR}/${TGEDIT_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  if(UNIX AND NOT CMAKE_CROSSCOMPILING)
    install(FILES ${TGEDIT_PACKAGING_DIR}/tgedit.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endif()

# --- the Debian package: `cmake --workflow --preset package` ----------------
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tgedit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The TG Edit developers")
set(CPACK_PACKAGE_CONTACT ${TGEDIT_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the settings scripts of the game Tollgrove")
# Lines of at most 79 characters, as the package's description is shown.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "TG Edit changes the tunable numbers of the city-business game Tollgrove:"
       "the city blocks, the business types and what they sell, the commodities"
       "and the city-wide tweaks, on a map, in forms and in lists. It reads the"
       "game's four Lua settings scripts line by line, never runs them, and on a"
       "save rewrites exactly the lines of the settings that were changed."
       ""
       "The package holds the editor and tgedit-cli, its command-line tool for"
       "scripted changes.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TGEDIT_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TGEDIT_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are computed from the binaries (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
