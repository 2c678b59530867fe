# quimerix-eines informe with no display at all: the PDF of a stored session has its page, the
# header and every record; a session without exercises is refused and leaves the output as it was.
set(pdf ${DIR}/informe_tres.pdf)
file(REMOVE ${pdf})
# No runtime folder either: the tool makes a private one in TMPDIR, says nothing of it on standard
# error and leaves nothing behind.
set(temporals ${DIR}/informe_tmp)
file(REMOVE_RECURSE ${temporals})
file(MAKE_DIRECTORY ${temporals})
set(sense_pantalla ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=DISPLAY --unset=WAYLAND_DISPLAY
    --unset=XDG_RUNTIME_DIR TMPDIR=${temporals})
execute_process(COMMAND ${sense_pantalla} ${EINES} informe ${MOSTRES}/sessio_tres.qxs --pdf ${pdf}
                OUTPUT_VARIABLE sortida ERROR_VARIABLE errors RESULT_VARIABLE codi)
if(NOT codi EQUAL 0 OR NOT sortida STREQUAL "" OR NOT errors STREQUAL "")
  message(FATAL_ERROR "quimerix-eines informe ha acabat amb ${codi}: ${sortida}\n${errors}")
endif()
file(GLOB restes ${temporals}/*)
if(restes)
  message(FATAL_ERROR "han quedat a TMPDIR: ${restes}")
endif()
execute_process(COMMAND ${PDFINFO} ${pdf} OUTPUT_VARIABLE info)
if(NOT info MATCHES "Pages: +1\n" OR NOT info MATCHES "Page size: +[0-9.]+ x 595")
  message(FATAL_ERROR "S'esperava una pàgina A4 apaïsada:\n${info}")
endif()
execute_process(COMMAND ${PDFTOTEXT} -layout -enc UTF-8 ${pdf} - OUTPUT_VARIABLE text)
string(REGEX REPLACE "[ \t]+" " " text "${text}")
foreach(linia "Nom i cognoms: Núria Gómez i Ça·l·lí Data: 3/4/2024" "1 hidròxid de plom (II) CORRECTE"
        "2 sulfur de mercuri (I) CORRECTE" "3 òxid d’or (III) CORRECTE" "Encerts sobre el total: 2 / 3 (67 %)"
        "NOTA: 6'67" "pàgina 1")
  string(FIND "${text}" "${linia}" on)
  if(on EQUAL -1)
    message(FATAL_ERROR "No hi és: '${linia}'\n${text}")
  endif()
endforeach()

# Refused: the file already there is left as it was.
file(WRITE ${pdf} "anterior")
execute_process(COMMAND ${sense_pantalla} ${EINES} informe ${MOSTRES}/sessio_buida.qxs --pdf ${pdf}
                RESULT_VARIABLE codi ERROR_VARIABLE errors)
file(READ ${pdf} contingut)
if(NOT codi EQUAL 1 OR NOT contingut STREQUAL "anterior")
  message(FATAL_ERROR "Una sessió sense exercicis ha donat ${codi} i ha deixat '${contingut}': ${errors}")
endif()
