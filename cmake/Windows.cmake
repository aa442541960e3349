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
# Qt looks for its plugins in these sub-folders beside the executable.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
  DESTINATION ${destination}/platforms COMPONENT windows)
# The native look comes from a style plugin: QWindowsVistaStylePlugin up to
# Qt 6.6, QModernWindowsStylePlugin, which replaces it, from Qt 6.7. Whichever
# this Qt has goes in; a Qt with neither draws with the styles built into
# Qt6Widgets.
foreach(style Qt6::QModernWindowsStylePlugin Qt6::QWindowsVistaStylePlugin)
  if(TARGET ${style})
    install(FILES $<TARGET_FILE:${style}> DESTINATION ${destination}/styles COMPONENT windows)
  endif()
endforeach()

# What the installer script needs to know about the program.
configure_file(packaging/windows/identity.nsh.in ${CMAKE_CURRENT_BINARY_DIR}/windows/identity.nsh @ONLY)
