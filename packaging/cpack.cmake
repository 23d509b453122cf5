# Debian package of Slidix, made by CPack from the install rules: cpack -G DEB in the build directory.
set(CPACK_PACKAGE_NAME slidix)
set(CPACK_PACKAGE_VENDOR "The Slidix developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding tile puzzle: merge number tiles on a 4 x 4 board")
# Wrapped by hand: Debian shows each line of the long description as it is.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Slidix is a small puzzle game for one player. Each press of an arrow key\n"
  "slides every tile on a 4 x 4 board as far as it goes towards that edge, and\n"
  "two tiles of the same value that run into each other merge into one tile of\n"
  "twice the value. You win as soon as a tile passes 1024 and lose as soon as\n"
  "the board is full.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")

# Debian wants a real person or list, as "Name <address>"; whoever publishes
# the package sets it.
set(SLIDIX_PACKAGE_MAINTAINER "The Slidix developers" CACHE STRING
  "Maintainer field of the Debian package, as Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SLIDIX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Run-time libraries come from what the binary links, through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# "make package_source" archives the tree as it is: leave out what is not source.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/" "/_CPack_Packages/" "\\.deb$")

include(CPack)
