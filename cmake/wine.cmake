# The programs of a cross build run under Wine, headless, in a prefix and a
# home of their own inside the build tree (Wine writes into $HOME
# otherwise). build/.../wine/executa runs one program; wine/servidor runs
# the matching wineserver (CI keeps one running across the suite).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  # Debian's "wine" and "wineserver" start the 32-bit ones whenever they are
  # installed.
  find_program(QB_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  find_program(QB_WINE NAMES wine64 wine)
  find_program(QB_WINESERVER NAMES wineserver64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  find_program(QB_WINESERVER NAMES wineserver64 wineserver)
else()
  find_program(QB_WINE NAMES wine)
  find_program(QB_WINESERVER NAMES wineserver)
endif()
if(QB_WINE AND QB_WINESERVER)
  set(qb_wine_dir ${PROJECT_BINARY_DIR}/wine)
  # No display: a message box returns at once. Mono and Gecko are not
  # wanted: their installers would ask on the first start.
  foreach(qb_script executa servidor)
    if(qb_script STREQUAL executa)
      set(qb_programa ${QB_WINE})
    else()
      set(qb_programa ${QB_WINESERVER})
    endif()
    file(CONFIGURE OUTPUT ${qb_wine_dir}/${qb_script}.in @ONLY CONTENT [=[#!/bin/sh
export WINEPREFIX="@qb_wine_dir@/prefix" HOME="@qb_wine_dir@/home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"
exec "@qb_programa@" "$@"
]=])
    file(COPY_FILE ${qb_wine_dir}/${qb_script}.in ${qb_wine_dir}/${qb_script} ONLY_IF_DIFFERENT)
    file(CHMOD ${qb_wine_dir}/${qb_script} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
         WORLD_READ WORLD_EXECUTE)
  endforeach()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${qb_wine_dir}/executa)
endif()
