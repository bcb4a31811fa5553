# Manual pages are installed compressed, as man reads them and Debian's policy asks; -n keeps the
# archive the same from build to build.
include(GNUInstallDirs)
find_program(GZIP gzip REQUIRED)

# Compresses PAGE (a file named NAME.SECTION) into the build and installs it in its section;
# appends the compressed file to the list named by OUT.
function(pz417_install_man_page page out)
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE ".*\\." "" section ${name})
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/gz/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gz
    COMMAND ${GZIP} -9nc ${page} > ${gz}
    DEPENDS ${page} VERBATIM)
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
  set(${out} ${${out}} ${gz} PARENT_SCOPE)
endfunction()

# `man LINK` opens PAGE: LINK.SECTION.gz installed as a link to PAGE's compressed file.
function(pz417_install_man_link link page)
  string(REGEX REPLACE ".*\\." "" section ${page})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/gz)
  file(MAKE_DIRECTORY ${dir})
  file(CREATE_LINK ${page}.gz ${dir}/${link}.gz SYMBOLIC)
  install(FILES ${dir}/${link}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
