cmake_minimum_required(VERSION 3.25)
# Builds the Debian package from BUILD into a scratch folder and checks its control fields and
# that it holds every installed file under /usr.
file(REMOVE_RECURSE "${SORTIDA}")
execute_process(COMMAND ${CPACK} -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${SORTIDA}"
                RESULT_VARIABLE estat OUTPUT_VARIABLE sortida ERROR_VARIABLE sortida)
file(GLOB deb "${SORTIDA}/quimerix_${VERSIO}_*.deb")
if(NOT estat EQUAL 0 OR NOT deb)
  message(FATAL_ERROR "cpack ha acabat amb ${estat}:\n${sortida}")
endif()
execute_process(COMMAND dpkg-deb -f "${deb}" OUTPUT_VARIABLE control)
foreach(camp
    "Package: quimerix" "Version: ${VERSIO}" "Section: education" "Recommends: fonts-liberation"
    "Maintainer: [^<\n]+ <[^@>]+@[^>]+>" "Homepage: https://[^\n]+"
    # Computed from the binaries: the C library and Qt's, with their minimum versions.
    "Depends: [^\n]*libc6 \\(>= [^\n]*libqt6widgets6 \\(>= [^\n]*"
    # Qt's Catalan texts for its own dialogs.
    "Depends: [^\n]*qt6-translations-l10n[^\n]*")
  if(NOT control MATCHES "(^|\n)${camp}(\n|$)")
    message(FATAL_ERROR "al control li falta «${camp}»:\n${control}")
  endif()
endforeach()
execute_process(COMMAND dpkg-deb -c "${deb}" OUTPUT_VARIABLE contingut)
include(${CMAKE_CURRENT_LIST_DIR}/fitxers.cmake)
foreach(fitxer IN LISTS fitxers_instalats)
  if(NOT contingut MATCHES " \\./usr/${fitxer}\n")
    message(FATAL_ERROR "al paquet li falta /usr/${fitxer}:\n${contingut}")
  endif()
endforeach()
if(NOT contingut MATCHES "-rwxr-xr-x [^\n]* \\./usr/bin/quimerix\n")
  message(FATAL_ERROR "/usr/bin/quimerix no és executable:\n${contingut}")
endif()
# The changelog's newest entry is this version.
execute_process(COMMAND dpkg-parsechangelog -l "${CHANGELOG}" -S Version OUTPUT_VARIABLE versio_changelog
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT versio_changelog STREQUAL VERSIO)
  message(FATAL_ERROR "el changelog és de la versió «${versio_changelog}», no de la ${VERSIO}")
endif()
# Debian's own checks of the package find no error.
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --fail-on error "${deb}" RESULT_VARIABLE estat OUTPUT_VARIABLE informe
                  ERROR_VARIABLE informe)
  if(NOT estat EQUAL 0)
    message(FATAL_ERROR "lintian hi troba errors:\n${informe}")
  endif()
endif()
