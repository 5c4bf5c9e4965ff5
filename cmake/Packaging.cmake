# What `cpack` makes in a build folder: a Debian package and a .tar.gz of the
# same install tree, or on Windows a zip.
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CPackLicenseFile.cmake)
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "nines adds, subtracts, multiplies and divides signed integers of up to"
  "38 digits, typed at the console, and proves every answer by casting out"
  "nines: each value is shown with its chain of repeated digit sums, and a"
  "check line combines the operands' final digits by the same operation."
  "The quotient is also shown as a mixed number and as a nine-place"
  "decimal, and a printable record of the run is kept in answers.txt.")
set(CPACK_PACKAGE_CONTACT "${NINES_CONTACT}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
