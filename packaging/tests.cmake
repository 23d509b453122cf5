# Tests of the installation, the Debian package and the Windows resource; included from tests/CMakeLists.txt.

# The installed launcher and the package run the real game, so they take what
# the window tests take, and the build tree to install from.
set(SLIDIX_PACKAGING_TEST_ENVIRONMENT
  "SLIDIX=$<TARGET_FILE:slidix>"
  "XCLOSE=$<TARGET_FILE:xclose>"
  "FIXED_RAND=$<TARGET_FILE:fixed_rand>"
  "PLAN_WIN=$<TARGET_FILE:plan_win>"
  "DATA_DIR=${PROJECT_SOURCE_DIR}/data"
  "BUILD_DIR=${PROJECT_BINARY_DIR}"
  "CMAKE=${CMAKE_COMMAND}"
  "CPACK=${CMAKE_CPACK_COMMAND}"
)

add_test(NAME window.install
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/window/install.sh)
set_tests_properties(window.install PROPERTIES
  ENVIRONMENT "${SLIDIX_PACKAGING_TEST_ENVIRONMENT}"
  TIMEOUT 300)

# Installs into and removes from the system itself: alone, and never as a
# plain user (status 77 then).
add_test(NAME window.package
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/window/package.sh)
set_tests_properties(window.package PROPERTIES
  ENVIRONMENT "${SLIDIX_PACKAGING_TEST_ENVIRONMENT}"
  RUN_SERIAL TRUE
  SKIP_RETURN_CODE 77
  TIMEOUT 900)

# The drawn icons, as the desktop and Windows expect them.
add_test(NAME packaging.icons
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/icons.sh)
set_tests_properties(packaging.icons PROPERTIES
  ENVIRONMENT "SOURCE_DIR=${PROJECT_SOURCE_DIR}"
  TIMEOUT 60)

# A Windows resource compiler is rarely at hand on Linux: without one the test
# reports itself skipped (status 77) rather than disappearing.
find_program(SLIDIX_WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres windres)
set(SLIDIX_RC_TEST_ENVIRONMENT "SOURCE_DIR=${PROJECT_SOURCE_DIR}")
if(SLIDIX_WINDRES)
  # The object tools of the same prefix read the object windres writes.
  string(REGEX REPLACE "windres$" "objdump" objdump "${SLIDIX_WINDRES}")
  string(REGEX REPLACE "windres$" "objcopy" objcopy "${SLIDIX_WINDRES}")
  list(APPEND SLIDIX_RC_TEST_ENVIRONMENT
    "WINDRES=${SLIDIX_WINDRES}" "OBJDUMP=${objdump}" "OBJCOPY=${objcopy}")
endif()
add_test(NAME packaging.windows_resource
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/windows_resource.sh)
set_tests_properties(packaging.windows_resource PROPERTIES
  ENVIRONMENT "${SLIDIX_RC_TEST_ENVIRONMENT}"
  SKIP_RETURN_CODE 77
  TIMEOUT 60)
