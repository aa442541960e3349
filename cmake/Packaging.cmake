# Installation on Linux and the Debian package (cpack -G DEB, or
# scripts/package.sh). Included after the program's target is defined.

# What a Linux desktop reads; a Windows build installs none of it.
if(NOT WIN32)
  # Menu entry, software-centre metadata and icons, all under the desktop id.
  # The templates take the identity when configured, and their words in every
  # language from the catalogues when built.
  foreach(kind desktop metainfo)
    set(template ${CMAKE_CURRENT_SOURCE_DIR}/data/korvane.${kind}.in)
    set(file ${KORVANE_GENERATED_DIR}/${KORVANE_DESKTOP_ID}.${kind})
    set(destination applications)
    if(kind STREQUAL "metainfo")
      set(template ${CMAKE_CURRENT_SOURCE_DIR}/data/korvane.metainfo.xml.in)
      set(file ${file}.xml)
      set(destination metainfo)
    endif()
    configure_file(${template} ${file}.in @ONLY)
    add_custom_command(OUTPUT ${file}
      COMMAND ${KORVANE_CATALOGUE_PYTHON} ${KORVANE_CATALOGUE_TOOLS}/write_outside.py
              ${CMAKE_CURRENT_SOURCE_DIR}/i18n ${kind} ${file}.in ${file}
      DEPENDS ${file}.in ${KORVANE_CATALOGUE_DEPENDS} ${KORVANE_CATALOGUE_TOOLS}/write_outside.py
      COMMENT "Writing the ${kind} file in every language"
      VERBATIM)
    add_custom_target(korvane_${kind} ALL DEPENDS ${file})
    install(FILES ${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/${destination})
  endforeach()
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/korvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KORVANE_DESKTOP_ID}.svg)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/korvane-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${KORVANE_DESKTOP_ID}.png)
  endforeach()

  # Manual page, copyright and changelog, compressed the way Debian wants them
  # (gzip -9 without a time stamp, so that rebuilds are identical).
  find_program(KORVANE_GZIP gzip REQUIRED)
  function(korvane_gzip source destination)
    execute_process(COMMAND ${KORVANE_GZIP} -9nc ${source} OUTPUT_FILE ${destination}
      RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "gzip could not compress ${source}")
    endif()
  endfunction()

  set(packaging_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
  string(TOUPPER ${KORVANE_EXECUTABLE} KORVANE_MAN_NAME)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/data/korvane.1.in ${packaging_dir}/${KORVANE_EXECUTABLE}.1 @ONLY)
  korvane_gzip(${packaging_dir}/${KORVANE_EXECUTABLE}.1 ${packaging_dir}/${KORVANE_EXECUTABLE}.1.gz)
  install(FILES ${packaging_dir}/${KORVANE_EXECUTABLE}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  # The changelog's date is the release date, at noon UTC, in RFC 5322 form.
  execute_process(COMMAND date -u -R -d "${KORVANE_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE KORVANE_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/data/changelog.in ${packaging_dir}/changelog @ONLY)
  korvane_gzip(${packaging_dir}/changelog ${packaging_dir}/changelog.gz)

  # The machine-readable copyright file carries LICENSE's terms: everything
  # after its copyright line, each line indented, blank lines as " .".
  file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE license_lines)
  set(license_body "")
  set(in_terms FALSE)
  foreach(line IN LISTS license_lines)
    if(in_terms)
      if(line STREQUAL "")
        string(APPEND license_body " .\n")
      else()
        string(APPEND license_body " ${line}\n")
      endif()
    elseif(line MATCHES "^Copyright \\(c\\) (.*)$")
      set(KORVANE_COPYRIGHT "${CMAKE_MATCH_1}")
      set(in_terms TRUE)
    endif()
  endforeach()
  string(REGEX REPLACE "^ \\.\n" "" KORVANE_LICENSE_TEXT "${license_body}")
  string(REGEX REPLACE "\n$" "" KORVANE_LICENSE_TEXT "${KORVANE_LICENSE_TEXT}")
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/data/copyright.in ${packaging_dir}/copyright @ONLY)

  set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
  install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.gz DESTINATION ${doc_dir})
endif()

# The package.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${KORVANE_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${KORVANE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${KORVANE_SUMMARY}")
# Debian wants description lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "${KORVANE_PRODUCT_NAME} advises which color to choose for a car: \
a Feng Shui\nreading from the Kua number and an astrology reading from the sun sign.\n\
Every reading is worked out on the computer itself.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KORVANE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Library dependencies come from the binary; the X11 platform plugin ships
# with libqt6gui6, Wayland's with qt6-wayland. Without dpkg-shlibdeps cpack
# would quietly write a package without dependencies, so the check at
# packaging time (PackagingCheck.cmake) refuses to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A font with Chinese characters for the Chinese windows, and Qt's own words
# (a text box's menu) in the reader's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "qt6-wayland, fonts-dejavu-core, fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n, xdg-utils")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackagingCheck.cmake)
include(CPack)
