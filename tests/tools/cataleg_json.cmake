# Runs `quimerix-eines cataleg --json` and compares its whole output, byte for byte, with the stored
# catalogue: every compound's code, formula, boxes, name and both comments.
execute_process(COMMAND ${EINES} cataleg --json OUTPUT_FILE ${SORTIDA} ERROR_VARIABLE errors RESULT_VARIABLE codi)
if(NOT codi EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "quimerix-eines cataleg --json ha acabat amb ${codi}: ${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ESPERAT} ${SORTIDA} RESULT_VARIABLE diferent)
if(NOT diferent EQUAL 0)
  # The first lines that differ, to see which compound and which text changed.
  execute_process(COMMAND diff ${ESPERAT} ${SORTIDA} OUTPUT_VARIABLE diferencies)
  string(SUBSTRING "${diferencies}" 0 4000 diferencies)
  message(FATAL_ERROR "sortida diferent de ${ESPERAT} (escrita a ${SORTIDA}):\n${diferencies}")
endif()
