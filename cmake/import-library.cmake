cmake_minimum_required(VERSION 3.25)
# Writes the import library of the DLL: for each listed name, the decorated
# symbol a compiled caller links to (_Inicia_SPED@8), importing the plain
# export (Inicia_SPED). Run after the DLL is linked.
file(STRINGS ${OBJECTS} objects)
execute_process(COMMAND ${NM} --defined-only ${objects} OUTPUT_VARIABLE nm_out RESULT_VARIABLE nm_rc)
if(NOT nm_rc EQUAL 0)
  message(FATAL_ERROR "${NM} failed")
endif()
string(REPLACE "\n" ";" nm_lines "${nm_out}")
set(decorated "")
foreach(line IN LISTS nm_lines)
  # i386 C names carry a leading "_"; stdcall ones end in "@" and the size
  # of the arguments.
  if(line MATCHES "^[0-9a-fA-F]+ T _?([A-Za-z0-9_]+)(@[0-9]+)?$")
    set(found_${CMAKE_MATCH_1} "${CMAKE_MATCH_1}${CMAKE_MATCH_2}")
  endif()
endforeach()
file(STRINGS ${NAMES} names)
set(body "LIBRARY \"${DLL}\"\nEXPORTS\n")
foreach(name IN LISTS names)
  if(NOT DEFINED found_${name})
    message(FATAL_ERROR "listed but not defined: ${name}")
  endif()
  string(APPEND body "  ${found_${name}}\n")
endforeach()
file(WRITE ${DEF} "${body}")
execute_process(COMMAND ${DLLTOOL} --kill-at --input-def ${DEF} --dllname ${DLL} --output-lib ${IMPLIB}
                RESULT_VARIABLE dlltool_rc)
if(NOT dlltool_rc EQUAL 0)
  message(FATAL_ERROR "${DLLTOOL} failed")
endif()
