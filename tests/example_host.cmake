cmake_minimum_required(VERSION 3.25)
# Runs the example host into a fresh directory and compares the file it
# writes, byte for byte, with the one expected; no record may be rejected.
# EMULATOR, when set, runs the host (Wine for a Windows build).
set(out ${WORK}/example-out)
file(REMOVE_RECURSE ${out})
file(MAKE_DIRECTORY ${out})
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=pt_BR.UTF-8 ${EMULATOR} ${HOST} ${out} ${TABLES}
                RESULT_VARIABLE rc OUTPUT_VARIABLE printed ERROR_VARIABLE messages)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "example host failed (${rc}): ${messages}")
endif()
if(EXISTS ${out}/erro.txt)
  file(READ ${out}/erro.txt erro)
  message(FATAL_ERROR "erro.txt written:\n${erro}")
endif()
# A host that names the files it wrote names only those: here no erro.txt.
string(REPLACE "\r" "" printed "${printed}")
string(REPLACE "\n" ";" named "${printed}")
foreach(file IN LISTS named)
  if(NOT file STREQUAL "" AND NOT EXISTS ${file})
    message(FATAL_ERROR "the host names ${file}, which it did not write")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${out}/sped.txt ${EXPECTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  file(READ ${out}/sped.txt sped)
  message(FATAL_ERROR "sped.txt differs from ${EXPECTED}:\n${sped}")
endif()
