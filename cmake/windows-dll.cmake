# The Windows DLL: quillbook.dll exporting exactly the listed names,
# undecorated, by name, and an import library for hosts that link to it.

set_target_properties(quillbook PROPERTIES PREFIX "")
# The .def lists the plain names; the stdcall fix-up matches each to its
# decorated definition (Inicia_SPED to _Inicia_SPED@8) and --kill-at drops
# the "@8" from the exported name.
target_sources(quillbook PRIVATE ${PROJECT_BINARY_DIR}/quillbook.def)
target_link_options(quillbook PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup -Wl,--no-undefined)

# The import library that --kill-at leaves behind names the undecorated
# symbols, while a C host compiled with the header asks for the decorated
# ones (_imp__Inicia_SPED@8). This one is made with dlltool from the
# decorated names the compiler gave the exports, each mapped to its plain
# export.
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/quillbook-objetos.txt
     CONTENT "$<JOIN:$<TARGET_OBJECTS:quillbook_objects>,\n>\n")
add_custom_command(TARGET quillbook POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL}
          -DOBJECTS=${PROJECT_BINARY_DIR}/quillbook-objetos.txt -DNAMES=${PROJECT_BINARY_DIR}/quillbook.names
          -DDEF=${PROJECT_BINARY_DIR}/quillbook-decorado.def -DDLL=$<TARGET_FILE_NAME:quillbook>
          -DIMPLIB=$<TARGET_LINKER_FILE:quillbook>
          -P ${PROJECT_SOURCE_DIR}/cmake/import-library.cmake
  VERBATIM)
