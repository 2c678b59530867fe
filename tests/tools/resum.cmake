cmake_policy(SET CMP0007 NEW)
# Summarises the session files written by genera_sessions: the CSV read back by Python's csv, the
# table on standard output, and the exit status.
set(carpeta ${DIR}/resum)
file(REMOVE_RECURSE ${carpeta})
file(MAKE_DIRECTORY ${carpeta})
execute_process(COMMAND ${GENERA} ${carpeta} RESULT_VARIABLE codi)
if(NOT codi EQUAL 0)
  message(FATAL_ERROR "genera_sessions ha acabat amb ${codi}")
endif()
set(fitxers ${carpeta}/anna.qxs ${carpeta}/bernat.qxs ${carpeta}/carla.qxs ${carpeta}/didac.qxs
    ${carpeta}/trencat.qxs)

# One file unreadable: the rest are summarised and the status is 1.
execute_process(COMMAND ${EINES} resum ${fitxers} --csv ${carpeta}/classe.csv
  OUTPUT_VARIABLE sortida ERROR_VARIABLE errors RESULT_VARIABLE codi)
if(NOT codi EQUAL 1 OR NOT sortida STREQUAL "" OR NOT errors MATCHES "«[^\n]*trencat.qxs» és il·legible \\(no s'ha pogut obrir\\)\n$")
  message(FATAL_ERROR "resum --csv: codi ${codi}\n${sortida}\n${errors}")
endif()
execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/resum_csv.py ${carpeta}/classe.csv ${carpeta}
  RESULT_VARIABLE codi)
if(NOT codi EQUAL 0)
  message(FATAL_ERROR "el CSV no té les files esperades")
endif()

# The table: a row per file, the class figures, the weakest family and the most-missed compounds.
execute_process(COMMAND ${EINES} resum anna.qxs bernat.qxs carla.qxs didac.qxs trencat.qxs
  WORKING_DIRECTORY ${carpeta} OUTPUT_VARIABLE taula ERROR_QUIET RESULT_VARIABLE codi)
foreach(linia
    "Alumnes: 4    Arxius il·legibles: 1    Nota mitjana: 6,04 (en deixa fora 3 arxius)"
    "anna.qxs     Puig, Anna   08/12/2026          8        7   88  8'75  2/2  1/1   -   -    -  1/2   -  2/2  1/1    -  correcte"
    "trencat.qxs                                                                                                         il·legible"
    "  Sals binàries                          MX   2/5   40 %"
    "  Compostos binaris no metall-no metall  XX     -"
    " 1.  clorur de sodi       NaCl   3 vegades"
    " 2.  Òxid de ferro (III)  Fe2O3  2 vegades")
  string(FIND "${taula}" "${linia}\n" posicio)
  if(posicio EQUAL -1)
    message(FATAL_ERROR "falta a la taula: «${linia}»\n${taula}")
  endif()
endforeach()
if(NOT codi EQUAL 1)
  message(FATAL_ERROR "resum amb un arxiu il·legible ha acabat amb ${codi}")
endif()

# Every file read: status 0; a CSV that cannot be written: status 1 and no file left behind.
execute_process(COMMAND ${EINES} resum ${carpeta}/anna.qxs OUTPUT_QUIET RESULT_VARIABLE codi)
if(NOT codi EQUAL 0)
  message(FATAL_ERROR "resum d'un arxiu bo ha acabat amb ${codi}")
endif()
execute_process(COMMAND ${EINES} resum ${carpeta}/anna.qxs --csv ${carpeta}/no/hi/es.csv
  OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE codi)
if(NOT codi EQUAL 1 OR NOT errors MATCHES "no s'ha pogut desar .*la carpeta no existeix")
  message(FATAL_ERROR "resum --csv a una carpeta que no existeix: codi ${codi}\n${errors}")
endif()

# Nothing is written unless every output can be: a PDF that cannot be written leaves no CSV.
file(REMOVE ${carpeta}/tot.csv)
execute_process(COMMAND ${EINES} resum ${carpeta}/anna.qxs --csv ${carpeta}/tot.csv --pdf ${carpeta}/no/hi/es.pdf
  OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE codi)
if(NOT codi EQUAL 1 OR NOT errors MATCHES "es.pdf»: la carpeta no existeix" OR EXISTS ${carpeta}/tot.csv)
  message(FATAL_ERROR "resum --csv amb un --pdf que no es pot escriure: codi ${codi}\n${errors}")
endif()

# Both written, with no runtime folder set: standard error stays empty (no warning of Qt's).
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_RUNTIME_DIR
  ${EINES} resum ${carpeta}/anna.qxs --csv ${carpeta}/tot.csv --pdf ${carpeta}/tot.pdf
  OUTPUT_VARIABLE sortida ERROR_VARIABLE errors RESULT_VARIABLE codi)
if(NOT codi EQUAL 0 OR NOT sortida STREQUAL "" OR NOT errors STREQUAL "" OR NOT EXISTS ${carpeta}/tot.csv
   OR NOT EXISTS ${carpeta}/tot.pdf)
  message(FATAL_ERROR "resum --csv --pdf: codi ${codi}\n${sortida}\n${errors}")
endif()

# The printed summary: one landscape page, its text read back by pdftotext.
execute_process(COMMAND ${EINES} resum ${fitxers} --pdf ${carpeta}/classe.pdf
  OUTPUT_VARIABLE sortida ERROR_QUIET RESULT_VARIABLE codi)
if(NOT codi EQUAL 1 OR NOT sortida STREQUAL "" OR NOT EXISTS ${carpeta}/classe.pdf)
  message(FATAL_ERROR "resum --pdf: codi ${codi}\n${sortida}")
endif()
execute_process(COMMAND ${PDFINFO} ${carpeta}/classe.pdf OUTPUT_VARIABLE info)
if(NOT info MATCHES "Pages: +2\n" OR NOT info MATCHES "Page size: +842(\\.[0-9]+)? x 595")
  message(FATAL_ERROR "el PDF hauria de tenir dues pàgines A4 apaïsades (la taula i els gràfics):\n${info}")
endif()
execute_process(COMMAND ${PDFTOTEXT} -layout ${carpeta}/classe.pdf - OUTPUT_VARIABLE text)
string(REPLACE "${carpeta}/" "" text "${text}")
string(REGEX REPLACE " +" " " text "${text}")
foreach(linia
    "Resum de la classe"
    "Alumnes: 4 Arxius il·legibles: 1 Nota mitjana: 6,04 (en deixa fora 3 arxius)"
    "Arxiu Nom Data Exercicis Encerts % Nota OM OX HM HX HXA MX XX OH HXO MHX Estat"
    "anna.qxs Puig, Anna 08/12/2026 8 7 88 8'75 2/2 1/1 - - - 1/2 - 2/2 1/1 - correcte"
    "didac.qxs Dídac Soler 09/12/2026 2 1 50 5 - - - - - 1/2 - - - - no quadra"
    "trencat.qxs il·legible"
    "Encerts per família, de menys a més encerts:"
    "Sals binàries MX 2/5 40 %"
    "Compostos binaris no metall-no metall XX -"
    "1. clorur de sodi NaCl 3 vegades"
    "2. Òxid de ferro (III) Fe2O3 2 vegades"
    "no quadra: els comptadors de l'arxiu no coincideixen amb els exercicis que té anotats"
    "il·legible: l'arxiu no s'ha pogut llegir"
    "pàgina 1"
    "Percentatge d'encerts de la classe per família:"
    "Sals binàries (MX)"
    "40 % (2/5)"
    "Distribució de les notes"
    "pàgina 2")
  string(FIND "${text}" "${linia}" posicio)
  if(posicio EQUAL -1)
    message(FATAL_ERROR "falta al PDF: «${linia}»\n${text}")
  endif()
endforeach()
