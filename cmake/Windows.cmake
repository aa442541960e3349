# Korvane as a Windows program: a GUI executable with its version resource,
# icon and manifest, and the "windows" install component that lays out the
# portable folder (korvane.exe with exactly the DLLs and plugins it needs).
# Packaging: scripts/build-windows.sh.

enable_language(RC)

set(KORVANE_WINDOWS_PRODUCT "${KORVANE_PRODUCT_NAME}")
set(KORVANE_WINDOWS_PUBLISHER "${KORVANE_VENDOR}")
set(KORVANE_WINDOWS_DESCRIPTION "${PROJECT_DESCRIPTION}")
set(KORVANE_WINDOWS_EXE_BASE "${KORVANE_EXECUTABLE}")
set(KORVANE_WINDOWS_ICON "${CMAKE_CURRENT_SOURCE_DIR}/packaging/windows/korvane.ico")
set(KORVANE_WINDOWS_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/windows/korvane.manifest")

configure_file(packaging/windows/korvane.manifest.in ${KORVANE_WINDOWS_MANIFEST} @ONLY)
configure_file(packaging/windows/korvane.rc.in ${CMAKE_CURRENT_BINARY_DIR}/windows/korvane.rc @ONLY)

# No console window; the resource carries the manifest, so the linker adds none.
set_target_properties(korvane PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME ${KORVANE_WINDOWS_EXE_BASE})
target_sources(korvane PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/windows/korvane.rc)
set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/windows/korvane.rc APPEND PROPERTY
  OBJECT_DEPENDS ${KORVANE_WINDOWS_ICON} ${KORVANE_WINDOWS_MANIFEST})

set(KORVANE_WINDOWS_QT_DLLS $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
get_filename_component(KORVANE_WINDOWS_QT_BIN_DIR "${Qt6_DIR}/../../../bin" ABSOLUTE)
set(KORVANE_WINDOWS_DLL_DIRS ${KORVANE_WINDOWS_QT_BIN_DIR})

set(KORVANE_WINDOWS_RUNTIME_DLLS)
if(MINGW)
  # The MinGW runtime, where the compiler itself keeps it.
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
      OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "The MinGW runtime ${dll} was not found (got '${path}')")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND KORVANE_WINDOWS_RUNTIME_DLLS ${path})
    # Folders that hold every DLL of the build, for running it in place (Wine's WINEPATH).
    get_filename_component(dir "${path}" DIRECTORY)
    list(APPEND KORVANE_WINDOWS_DLL_DIRS ${dir})
  endforeach()
  list(REMOVE_DUPLICATES KORVANE_WINDOWS_DLL_DIRS)
else()
  # The resource carries the manifest; the MSVC linker would add a second one.
  target_link_options(korvane PRIVATE /MANIFEST:NO)
  # The Visual C++ runtime.
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_COMPONENT windows)
  include(InstallRequiredSystemLibraries)
endif()

set(destination .)
install(TARGETS korvane RUNTIME DESTINATION ${destination} COMPONENT windows)
install(FILES ${KORVANE_WINDOWS_QT_DLLS} ${KORVANE_WINDOWS_RUNTIME_DLLS}
  DESTINATION ${destination} COMPONENT windows)
# Qt's plugins, as Qt's own deployment tool (windeployqt) lays them out for
# the modules the program uses: every plugin of the types these modules load
# (listed in Qt's modules/*.json), in the sub-folder beside the executable
# where Qt looks for that type; of the platform plugins, the Windows one only.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
foreach(module Core Gui Widgets)
  file(READ "${qt_prefix}/modules/${module}.json" description)
  string(JSON count ERROR_VARIABLE no_plugins LENGTH "${description}" plugin_types)
  if(no_plugins OR count EQUAL 0)
    continue()
  endif()
  math(EXPR last "${count} - 1")
  foreach(index RANGE ${last})
    string(JSON type GET "${description}" plugin_types ${index})
    set(pattern "*.dll")
    if(type STREQUAL "platforms")
      set(pattern "qwindows.dll")
    endif()
    file(GLOB plugins "${qt_prefix}/plugins/${type}/${pattern}")
    # A Qt with both builds (MSVC's) has each debug plugin beside its release one.
    foreach(plugin IN LISTS plugins)
      if(plugin MATCHES "^(.*)d\\.dll$" AND "${CMAKE_MATCH_1}.dll" IN_LIST plugins)
        list(REMOVE_ITEM plugins ${plugin})
      endif()
    endforeach()
    if(plugins)
      install(FILES ${plugins} DESTINATION ${type} COMPONENT windows)
    endif()
  endforeach()
endforeach()

# Qt's own words (the buttons of a file or colour dialog, a text box's context
# menu) in the program's languages, where windeployqt puts them. This Qt for
# Windows carries no translations; they are the same files on every platform,
# so they come from the building system's Qt translations of the same release
# (Debian's qt6-translations-l10n). A language that Qt has no translation for
# (Vietnamese) keeps Qt's words in English.
set(KORVANE_WINDOWS_QT_TRANSLATIONS_DIR "/usr/share/qt6/translations" CACHE PATH
  "Where Qt's qtbase_<language>.qm files for the portable folder are found")
file(GLOB qt_translations "${KORVANE_WINDOWS_QT_TRANSLATIONS_DIR}/qtbase_*.qm")
if(NOT qt_translations)
  message(FATAL_ERROR "Qt's translations are missing from ${KORVANE_WINDOWS_QT_TRANSLATIONS_DIR} "
    "(Debian: qt6-translations-l10n)")
endif()
foreach(code IN LISTS KORVANE_CATALOGUES)
  set(qm "${KORVANE_WINDOWS_QT_TRANSLATIONS_DIR}/qtbase_${code}.qm")
  if(code STREQUAL "en")
    # Qt's own language.
  elseif(EXISTS "${qm}")
    install(FILES "${qm}" DESTINATION translations COMPONENT windows)
  else()
    message(STATUS "Qt has no translation for ${code}: its own words stay English there")
  endif()
endforeach()

# What the installer script needs to know about the program, and its
# languages and messages from the catalogues.
set(KORVANE_WINDOWS_LANGUAGES ${CMAKE_CURRENT_BINARY_DIR}/windows/languages.nsh)
configure_file(packaging/windows/identity.nsh.in ${CMAKE_CURRENT_BINARY_DIR}/windows/identity.nsh @ONLY)
add_custom_command(OUTPUT ${KORVANE_WINDOWS_LANGUAGES}
  COMMAND ${KORVANE_CATALOGUE_PYTHON} ${KORVANE_CATALOGUE_TOOLS}/write_outside.py
          ${PROJECT_SOURCE_DIR}/i18n installer ${KORVANE_WINDOWS_LANGUAGES}
  DEPENDS ${KORVANE_CATALOGUE_DEPENDS} ${KORVANE_CATALOGUE_TOOLS}/write_outside.py
  COMMENT "Writing the installer's languages from the language catalogues"
  VERBATIM)
add_custom_target(korvane_installer_languages ALL DEPENDS ${KORVANE_WINDOWS_LANGUAGES})
