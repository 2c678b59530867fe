# The Debian package, built by `./dev package` (cpack -G DEB). Its dependencies are computed from
# the binaries by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quimerix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${QUIMERIX_AUTORS}")
set(CPACK_PACKAGE_CONTACT "${QUIMERIX_AUTORS} <${QUIMERIX_CORREU}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Programa d'exercicis per aprendre a escriure les fórmules i els noms dels"
  "compostos inorgànics segons les regles de la nomenclatura catalana."
  "Construeix cada exercici a l'atzar, corregeix cada resposta a l'instant,"
  "l'explica amb un comentari del professor, porta les estadístiques per"
  "família i imprimeix un informe amb la nota."
  "Inclou quimerix-eines, l'eina de línia d'ordres per al professorat.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs speak Catalan with Qt's translations; the libraries come from the binaries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The printed report is set in a fixed-pitch face, such as Liberation Mono.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
# The package's documentation folder: the licence in Debian's machine-readable form and the
# changelog, compressed as Debian asks (gzip -9, no name or time stamp inside).
set(paquet_font ${CMAKE_SOURCE_DIR}/data/paquet)
set(changelog_gz ${CMAKE_BINARY_DIR}/paquet/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/paquet
  COMMAND sh -c "gzip -9nc '${paquet_font}/changelog' > '${changelog_gz}'"
  DEPENDS ${paquet_font}/changelog VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog_gz})
install(FILES ${paquet_font}/copyright ${changelog_gz} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quimerix)
include(CPack)
