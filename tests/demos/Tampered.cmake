# A replay check must notice one changed input: copies a demo with its text line LINE
# (counted from 0, a frame line) replaced by NEW, and expects the check against the
# original hashes to fail.
# cmake -DTOOL=<zumbo_demo> -DDEMO=<demo> -DHASHES=<hashes> -DLINE=<n> "-DNEW=<frame>" -DOUT=<copy> -P Tampered.cmake
file(STRINGS ${DEMO} lines)
list(GET lines ${LINE} old)
if(NOT old MATCHES "^-?[0-9]+ -?[0-9]+ [01] ")
  message(FATAL_ERROR "line ${LINE} of ${DEMO} is not a frame: ${old}")
endif()
if(old STREQUAL NEW)
  message(FATAL_ERROR "line ${LINE} of ${DEMO} is already ${NEW}: pick the line again")
endif()
list(REMOVE_AT lines ${LINE})
list(INSERT lines ${LINE} "${NEW}")
list(JOIN lines "\n" text)
file(WRITE ${OUT} "${text}\n")
execute_process(COMMAND ${TOOL} check ${OUT} ${HASHES} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(rc EQUAL 0)
  message(FATAL_ERROR "the changed demo replayed to the same hashes")
endif()
if(NOT out MATCHES "differ")
  message(FATAL_ERROR "the check did not replay the changed demo")
endif()
