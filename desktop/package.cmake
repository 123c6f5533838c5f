# The Debian package: `cpack -G DEB` in the build folder makes
# rho_<version>_<arch>.deb of everything installed above, with the
# dependencies dpkg-shlibdeps finds, plus the copyright file and the
# changelog Debian asks for. scripts/check-package builds and checks it.

set(RHO_MAINTAINER "rho maintainers <maintainers@users.noreply.c-seed-e8d2edd8.example>")

# Debian's documentation files: the copyright and the changelog, compressed.
set(RHO_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
configure_file(copyright.in ${RHO_DOC_DIR}/copyright @ONLY)
configure_file(changelog.in ${RHO_DOC_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${RHO_DOC_DIR}/changelog.gz
  COMMAND gzip -9n -c ${RHO_DOC_DIR}/changelog > ${RHO_DOC_DIR}/changelog.gz
  DEPENDS ${RHO_DOC_DIR}/changelog
  COMMENT "Compressing the changelog")
add_custom_target(rho_changelog ALL DEPENDS ${RHO_DOC_DIR}/changelog.gz)
install(FILES ${RHO_DOC_DIR}/copyright ${RHO_DOC_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rho)
set(CPACK_PACKAGE_VENDOR "rho maintainers")
set(CPACK_PACKAGE_CONTACT "${RHO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Penrose rhomb tilings")
set(CPACK_PACKAGE_DESCRIPTION
"rho builds Penrose tilings from a thick and a thin rhomb: by hand, attaching
one rhomb at a time to the free boundary of the tiling (overlaps are
refused), or as a round patch generated with de Bruijn's pentagrid method.
The shapes can be selected, coloured and reordered, decorated with vector
drawings made in the set editor, checked against the matching rules,
deflated and composed, saved as text files and printed.
.
The package also holds rhotool, which does the same work from the command
line and exports tilings as PostScript, BMP, PNG or SVG pictures, and sets
that show the matching rules as arcs and Ammann bars.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${RHO_HOMEPAGE}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RHO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${RHO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

if(BUILD_TESTING)
  add_test(NAME debian_package COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-package ${CMAKE_BINARY_DIR})
  set_tests_properties(debian_package PROPERTIES TIMEOUT 600)
endif()
