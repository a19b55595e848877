# The tests of a cross build run under Wine, headless, in a prefix and a
# home of their own inside the build tree (Wine writes into $HOME
# otherwise): build/.../wine/executa runs one program.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  # Debian's "wine" starts the 32-bit loader whenever it is installed.
  find_program(QB_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  find_program(QB_WINE NAMES wine64 wine)
else()
  find_program(QB_WINE NAMES wine)
endif()
if(QB_WINE)
  set(qb_wine_dir ${PROJECT_BINARY_DIR}/wine)
  # Mono and Gecko are not wanted: their installers would ask on first start.
  file(CONFIGURE OUTPUT ${qb_wine_dir}/executa.in @ONLY CONTENT [=[#!/bin/sh
export WINEPREFIX="@qb_wine_dir@/prefix" HOME="@qb_wine_dir@/home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
exec "@QB_WINE@" "$@"
]=])
  file(COPY_FILE ${qb_wine_dir}/executa.in ${qb_wine_dir}/executa ONLY_IF_DIFFERENT)
  file(CHMOD ${qb_wine_dir}/executa PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
       WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${qb_wine_dir}/executa)
endif()
