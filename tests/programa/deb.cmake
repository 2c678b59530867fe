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
    # The class summary's spreadsheet: quimerix-eines links libxlsxwriter.
    "Depends: [^\n]*libxlsxwriter[0-9]+[^\n]*")
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
