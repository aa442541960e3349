# Read by cpack before it packages. A Debian package needs the tools that
# compute its dependencies; without them cpack would write a package that
# installs but cannot start.
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(tool IN ITEMS dpkg-shlibdeps file)
    find_program(tool_path ${tool})
    if(NOT tool_path)
      message(FATAL_ERROR "${tool} is missing, so the package's dependencies cannot be "
        "computed. Install dpkg-dev and file (scripts/package.sh does) and package again.")
    endif()
    unset(tool_path CACHE)
    unset(tool_path)
  endforeach()
endif()
