# Run by cpack on each package's staged tree: a Debian package carries the
# license in Debian's copyright file, so the plain LICENSE beside it goes;
# every other package keeps LICENSE and has no use for Debian's file.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(unwanted LICENSE)
else()
  set(unwanted copyright)
endif()
file(GLOB_RECURSE found "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER found INCLUDE REGEX "/doc/nines/${unwanted}$")
if(NOT found)
  message(FATAL_ERROR "no ${unwanted} in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
file(REMOVE ${found})
