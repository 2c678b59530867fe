cmake_policy(SET CMP0007 NEW)
# Runs `quimerix-eines cataleg` and checks that every line is different and the count per code.
execute_process(COMMAND ${EINES} cataleg OUTPUT_VARIABLE sortida RESULT_VARIABLE codi)
if(NOT codi EQUAL 0)
  message(FATAL_ERROR "quimerix-eines cataleg ha acabat amb ${codi}")
endif()
string(REPLACE "\n" ";" linies "${sortida}")
list(FILTER linies EXCLUDE REGEX "^$")
list(LENGTH linies total)
set(uniques ${linies})
list(REMOVE_DUPLICATES uniques)
list(LENGTH uniques nuniques)
if(NOT total EQUAL nuniques)
  message(FATAL_ERROR "hi ha línies repetides: ${total} línies, ${nuniques} diferents")
endif()
foreach(parell OM:37 OX:39 HM:37 HX:15 HXA:7 MX:518 XX:236 OH:37 HXO:26 MHX:703)
  string(REPLACE ":" ";" parell "${parell}")
  list(GET parell 0 codi_familia)
  list(GET parell 1 esperat)
  set(del_codi ${linies})
  list(FILTER del_codi INCLUDE REGEX "^${codi_familia}\t")
  list(LENGTH del_codi n)
  if(NOT n EQUAL esperat)
    message(FATAL_ERROR "${codi_familia}: ${n} línies, se n'esperaven ${esperat}")
  endif()
endforeach()
if(NOT total EQUAL 1655)
  message(FATAL_ERROR "${total} línies, se n'esperaven 1655")
endif()

# A few compounds of every family, as the student sees them.
foreach(linia
    "OM	Fe2O3	Òxid de ferro (III)" "OM	Na2O	Òxid de sodi" "OX	I2O5	Pentaòxid de diiode"
    "OX	CO	Monòxid de carboni" "HM	CaH2	Hidrur de calci" "HX	H2O	Aigua" "HX	NH3	Amoníac"
    "HXA	H2S(aq)	Àcid sulfhídric" "MX	NaCl	clorur de sodi" "MX	Al2S3	sulfur d'alumini"
    "XX	PCl5	Pentaclorur de fòsfor" "XX	CS2	Disulfur de carboni" "OH	Ca(OH)2	Hidròxid de calci"
    "OH	NaOH	Hidròxid de sodi" "HXO	H2SO4	Àcid sulfúric" "HXO	H3PO4	Àcid fosfòric"
    "MHX	Fe2(SO4)3	sulfat de ferro (III)")
  list(FIND linies "${linia}" posicio)
  if(posicio EQUAL -1)
    message(FATAL_ERROR "falta al catàleg: ${linia}")
  endif()
endforeach()

# The JSON Lines form: one object per compound.
execute_process(COMMAND ${EINES} cataleg --json OUTPUT_VARIABLE json RESULT_VARIABLE codi)
string(REGEX MATCHALL "\n" salts "${json}")
list(LENGTH salts n_json)
if(NOT codi EQUAL 0 OR NOT n_json EQUAL 1655)
  message(FATAL_ERROR "cataleg --json: ${n_json} línies, codi ${codi}")
endif()
# A bad option is refused.
execute_process(COMMAND ${EINES} cataleg --xml RESULT_VARIABLE codi OUTPUT_QUIET ERROR_QUIET)
if(codi EQUAL 0)
  message(FATAL_ERROR "cataleg --xml hauria de fallar")
endif()
