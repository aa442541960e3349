# The program's identity, defined here once. It reaches the C++ through a
# generated header (korvane_identity.h, target korvane_identity), the shell
# scripts through korvane-identity.sh in the build folder, and the desktop
# entry, the metainfo, the manual page and the package through templates.
# The words of these that a user reads come from the language catalogues.

set(KORVANE_PRODUCT_NAME "Korvane")
set(KORVANE_EXECUTABLE ${PROJECT_NAME})
set(KORVANE_VERSION ${PROJECT_VERSION})
# Every main window's caption.
set(KORVANE_CAPTION "${KORVANE_PRODUCT_NAME} v${KORVANE_VERSION}")
# The reverse-DNS id that names the desktop entry, the metainfo and the icons.
set(KORVANE_DESKTOP_ID com.quillory.korvane)
set(KORVANE_VENDOR "Quillory")
set(KORVANE_CONTACT "Quillory <support@quillory.example>")
# The one-line summary, as the menu entry and the software centre show it.
korvane_english_text(KORVANE_SUMMARY menuEntry.summary)
set(KORVANE_RELEASE_DATE 2026-12-08)
# On Windows, the start of the name of the mutex by which the installer and
# the uninstaller see a running copy (the user's name follows).
set(KORVANE_RUNNING_MUTEX "${KORVANE_DESKTOP_ID}.running")

# The maker's three hosts. The defaults lie under the reserved "example"
# domain so that no stranger's site receives our users by accident.
set(KORVANE_MAIN_SITE_HOST "www.quillory.example" CACHE STRING "Host of the maker's main site")
set(KORVANE_HELP_SITE_HOST "help.quillory.example" CACHE STRING "Host of the maker's help site")
set(KORVANE_PRODUCT_SITE_HOST "www.korvane.example" CACHE STRING "Host of the product's own site")
set(KORVANE_HOMEPAGE "https://${KORVANE_PRODUCT_SITE_HOST}/")

set(KORVANE_GENERATED_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/korvane_identity.h.in
  ${KORVANE_GENERATED_DIR}/korvane_identity.h @ONLY)
set(KORVANE_IDENTITY_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/korvane-identity.sh)
configure_file(${CMAKE_CURRENT_LIST_DIR}/korvane-identity.sh.in ${KORVANE_IDENTITY_SCRIPT} @ONLY)
add_library(korvane_identity INTERFACE)
target_include_directories(korvane_identity INTERFACE ${KORVANE_GENERATED_DIR})
