# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Kelvora like any Linux desktop program: kelvora and kelvora-cli in
# bin/, the manual and the starter tables in share/kelvora/, the menu entry, the
# icons, the AppStream metainfo, the man page and the bash completion where the
# desktop and the shell look for them; and a Debian package built by CPack.
# An installed program never writes into its prefix: it copies the starter
# tables into the user's data folder on first start (DataLocation).
include(GNUInstallDirs)

set(KELVORA_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/kelvora)

# The installed program finds its share folder relative to its own folder.
file(RELATIVE_PATH KELVORA_SHARE_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/kelvora)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/core/common/DataLocation.cpp
             DIRECTORY ${CMAKE_SOURCE_DIR}/src/core
             APPEND PROPERTY COMPILE_DEFINITIONS KELVORA_SHARE_FROM_BIN="${KELVORA_SHARE_FROM_BIN}")

# The starter tables to install are written afresh from data/ into a folder of
# their own: build/db0991 holds the data a developer works with and may differ.
set(KELVORA_STARTER_SOURCES ${CMAKE_SOURCE_DIR}/data/mat.xml ${CMAKE_SOURCE_DIR}/data/glz.xml)
set(KELVORA_STARTER_STAGE ${CMAKE_BINARY_DIR}/install-data/db0991)
set(KELVORA_STARTER_TABLES ${KELVORA_STARTER_STAGE}/mat.cds ${KELVORA_STARTER_STAGE}/glz.cds)
add_custom_command(
  OUTPUT ${KELVORA_STARTER_TABLES}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${KELVORA_STARTER_TABLES}
  COMMAND kelvora-cli seed ${CMAKE_SOURCE_DIR}/data/mat.xml ${KELVORA_STARTER_STAGE}/mat.cds
  COMMAND kelvora-cli seed ${CMAKE_SOURCE_DIR}/data/glz.xml ${KELVORA_STARTER_STAGE}/glz.cds
  DEPENDS kelvora-cli ${KELVORA_STARTER_SOURCES}
  COMMENT "Writing the starter tables to install"
  VERBATIM)
add_custom_target(install_starter_data ALL DEPENDS ${KELVORA_STARTER_TABLES})

# Debian wants its man pages compressed, without a time stamp in the gzip header.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(KELVORA_MAN_PAGE ${CMAKE_BINARY_DIR}/install-data/kelvora-cli.1.gz)
add_custom_command(
  OUTPUT ${KELVORA_MAN_PAGE}
  COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/kelvora-cli.1 > ${KELVORA_MAN_PAGE}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/kelvora-cli.1
  COMMENT "Compressing the man page of kelvora-cli")
add_custom_target(install_man_page ALL DEPENDS ${KELVORA_MAN_PAGE})

# The desktop program's own man page, compressed the same way.
set(KELVORA_PROGRAM_MAN_PAGE ${CMAKE_BINARY_DIR}/install-data/kelvora.1.gz)
add_custom_command(
  OUTPUT ${KELVORA_PROGRAM_MAN_PAGE}
  COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/kelvora.1 > ${KELVORA_PROGRAM_MAN_PAGE}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/kelvora.1
  COMMENT "Compressing the man page of kelvora")
add_custom_target(install_program_man_page ALL DEPENDS ${KELVORA_PROGRAM_MAN_PAGE})

install(TARGETS kelvora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kelvora)
  install(TARGETS kelvora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/manual/ DESTINATION ${KELVORA_SHARE_DIR}/manual)
install(FILES ${KELVORA_STARTER_TABLES} DESTINATION ${KELVORA_SHARE_DIR}/db0991)
# The chemistry data the glaze editor's "Chemie" page and kelvora-cli read.
install(FILES ${CMAKE_SOURCE_DIR}/data/molar_masses.xml DESTINATION ${KELVORA_SHARE_DIR}/data)
install(FILES ${CMAKE_SOURCE_DIR}/data/expansion/appen.xml ${CMAKE_SOURCE_DIR}/data/expansion/english-turner.xml
        DESTINATION ${KELVORA_SHARE_DIR}/data/expansion)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/limits/ DESTINATION ${KELVORA_SHARE_DIR}/data/limits
        FILES_MATCHING PATTERN "*.xml")
install(FILES ${CMAKE_SOURCE_DIR}/data/stull/stull-1912.xml DESTINATION ${KELVORA_SHARE_DIR}/data/stull)
install(FILES ${CMAKE_SOURCE_DIR}/data/guides/silica-alumina.xml DESTINATION ${KELVORA_SHARE_DIR}/data/guides)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/nl.kelvora.Kelvora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/nl.kelvora.Kelvora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/packaging/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${KELVORA_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET kelvora)
  install(FILES ${KELVORA_PROGRAM_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/kelvora-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kelvora-cli)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvora)

# The Debian package. dpkg-shlibdeps (dpkg-dev) derives the library packages
# from the linked libraries; Qt's platform plugins are loaded at run time, so
# they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kelvora)
set(CPACK_PACKAGE_CONTACT "Kelvora <info@kelvora.nl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "glaze recipes and their Seger formula for studio potters")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvora keeps ceramic raw materials and glaze recipes and calculates from a
recipe the glaze's Seger formula, its cost price per kilogram, an estimated
firing range and its thermal expansion coefficient. The interface is Dutch.
kelvora-cli offers the same calculations from the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.kelvora.nl/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET kelvora)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
include(CPack)
