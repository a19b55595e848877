cmake_minimum_required(VERSION 3.25)
# Runs the host that closes its generation from an exit handler, registered
# as MODE says ("antes" or "depois" its first call), into a fresh directory:
# it must exit 0, and the log.txt that the handler wrote must hold the
# counts of the generation it closed. EMULATOR, when set, runs the host.
set(out ${WORK}/encerramento-${MODE})
file(REMOVE_RECURSE ${out})
file(MAKE_DIRECTORY ${out})
execute_process(COMMAND ${EMULATOR} ${HOST} ${MODE} ${out} ${TABLES} RESULT_VARIABLE rc ERROR_VARIABLE messages)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the host failed (${rc}):\n${messages}")
endif()
if(NOT EXISTS ${out}/log.txt)
  message(FATAL_ERROR "no log.txt written at exit:\n${messages}")
endif()
file(READ ${out}/log.txt log)
string(FIND "${log}" "Registro D001\t0\t0\t1\t" row)
if(row EQUAL -1)
  message(FATAL_ERROR "log.txt lacks the generation's counts:\n${log}")
endif()
