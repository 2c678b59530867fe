# Runs `quimerix-eines llegeix` on a stored session and compares its whole output, CR LF included,
# with the expected text.
execute_process(COMMAND ${EINES} llegeix ${ARXIU} OUTPUT_VARIABLE sortida ERROR_VARIABLE errors RESULT_VARIABLE codi)
if(NOT codi EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "quimerix-eines llegeix ha acabat amb ${codi}: ${errors}")
endif()
file(READ ${ESPERAT} esperat)
if(NOT sortida STREQUAL esperat)
  message(FATAL_ERROR "sortida diferent de ${ESPERAT}:\n${sortida}")
endif()
