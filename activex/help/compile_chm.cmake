# Compiles the help project and puts the help file in its place; run with cmake -P.
#   CHMCMD   the chmcmd program
#   PROJECT  the .hhp file (its pages are read from the folder it lies in)
#   SCRATCH  an empty folder is made here and chmcmd runs inside it: chmcmd writes the help
#            file into the folder it runs in
#   OUTPUT   where the help file goes; its name must be the "Compiled file" of the project
# chmcmd answers 0 even when it reports broken links or anchors, so its messages are kept in
# SCRATCH/chmcmd.log, where the help file's test looks for them.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${CHMCMD} ${PROJECT}
  WORKING_DIRECTORY ${SCRATCH}
  OUTPUT_VARIABLE messages ERROR_VARIABLE messages
  RESULT_VARIABLE result)
file(WRITE ${SCRATCH}/chmcmd.log "${messages}")

get_filename_component(name ${OUTPUT} NAME)
set(compiled ${SCRATCH}/${name})
if(EXISTS ${compiled})
  file(SIZE ${compiled} size)
endif()
# A crashing chmcmd leaves an empty file behind.
if(NOT result EQUAL 0 OR NOT size)
  message(FATAL_ERROR "chmcmd failed (${result}):\n${messages}")
endif()
# chmcmd puts semicolons in its messages; commas keep each message one list element.
string(REPLACE ";" "," problems "${messages}")
string(REGEX MATCHALL "(Error|Warning)[^\n]*" problems "${problems}")
if(problems)
  list(JOIN problems "\n" problems)
  message(WARNING "chmcmd reported:\n${problems}")
endif()
file(COPY_FILE ${compiled} ${OUTPUT})
