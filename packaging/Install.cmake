# What `cmake --install` puts where: the kit as static libraries with its one header, a CMake
# package and, on desktops, pkg-config files; for the browser, the page's script and HTML; frosty
# and frosty-replay with their manual pages, desktop entry and icon; and as documentation the
# built-in faces' files and licences, the demo, the examples, the tutorial and the manual as HTML.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# What the installed libraries link, found at the top; programs find the same through the
# package's config.
if(NOT EMSCRIPTEN)
  string(APPEND PZ417_DEPENDENCIES "find_dependency(PNG)\n")
endif()

set(PZ417_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/PZ417)
set(PZ417_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/pz417)

# An installed library carries the objects of every in-tree library it stands for, so a program
# links one archive per target and the internal libraries never leave the build.
function(pz417_installed_library target exportName outputName)
  add_library(${target} STATIC)
  foreach(part IN LISTS ARGN)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${part}>)
  endforeach()
  set_target_properties(${target} PROPERTIES
    EXPORT_NAME ${exportName} OUTPUT_NAME ${outputName} LINKER_LANGUAGE CXX)
  install(TARGETS ${target} EXPORT PZ417Targets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
endfunction()

pz417_installed_library(pz417_installed_kit kit pz417
  pz417 pz417_window pz417_raster pz417_script_format)
target_include_directories(pz417_installed_kit INTERFACE
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_compile_features(pz417_installed_kit INTERFACE cxx_std_17)
target_link_libraries(pz417_installed_kit PRIVATE Freetype::Freetype $<TARGET_NAME_IF_EXISTS:PNG::PNG>)
install(FILES ${PROJECT_SOURCE_DIR}/kit/include/pz417/kit.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/pz417)

# The web entry with the web host, and the page's script and HTML its link options name. It has
# no pkg-config files: a page needs those link options, which only the CMake package carries.
if(EMSCRIPTEN)
  pz417_installed_library(pz417_installed_web web pz417_web pz417_web pz417_entry_common pz417_web_host)
  get_property(options GLOBAL PROPERTY PZ417_WEB_LINK_OPTIONS)
  target_link_options(pz417_installed_web INTERFACE ${options})
  target_link_libraries(pz417_installed_web PUBLIC pz417_installed_kit)
  get_property(files GLOBAL PROPERTY PZ417_WEB_PAGE_FILES)
  install(FILES ${files} DESTINATION ${PZ417_WEB_PAGE_DIR})
else()
  # The replay entry with the headless host it runs programs on.
  pz417_installed_library(pz417_installed_replay replay pz417_replay
    pz417_replay pz417_entry_common pz417_replay_library pz417_replay_drive pz417_headless)
  target_link_libraries(pz417_installed_replay PUBLIC pz417_installed_kit)
  list(APPEND PZ417_PACKAGES pz417 pz417-replay)
endif()

# The desktop entry with the desktop host it opens; SDL2 on Unix desktops.
if(TARGET pz417_desktop AND TARGET pz417_sdl)
  find_package(SDL2 REQUIRED CONFIG)
  find_package(X11 REQUIRED)
  pz417_installed_library(pz417_installed_desktop desktop pz417_desktop
    pz417_desktop pz417_entry_common pz417_sdl)
  target_link_libraries(pz417_installed_desktop
    PUBLIC pz417_installed_kit PRIVATE SDL2::SDL2 X11::X11)
  string(APPEND PZ417_DEPENDENCIES "find_dependency(SDL2 CONFIG)\nfind_dependency(X11)\n")
  list(APPEND PZ417_PACKAGES pz417-desktop)
endif()

# The CMake package: find_package(PZ417) gives PZ417::kit with PZ417::desktop and PZ417::replay,
# or with PZ417::web when built with emscripten.
install(EXPORT PZ417Targets NAMESPACE PZ417:: DESTINATION ${PZ417_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/PZ417Config.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/PZ417Config.cmake INSTALL_DESTINATION ${PZ417_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PZ417ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/PZ417Config.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/PZ417ConfigVersion.cmake
        DESTINATION ${PZ417_CMAKE_DIR})

# pkg-config files find their prefix from where they lie, so an installed tree can move.
file(RELATIVE_PATH PZ417_PC_TO_PREFIX
  /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
foreach(pc IN LISTS PZ417_PACKAGES)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

if(NOT EMSCRIPTEN)
  # The programs, their pages and the desktop's menu entry.
  foreach(program frosty frosty-replay)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
  endforeach()
  include(${PROJECT_SOURCE_DIR}/cmake/ManPages.cmake)
  foreach(page frosty.6 frosty-replay.1)
    pz417_install_man_page(${CMAKE_CURRENT_LIST_DIR}/man/${page} PZ417_MAN_PAGES)
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${PZ417_MAN_PAGES})
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/frosty.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 48 256)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icon/frosty-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME frosty.png)
  endforeach()
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icon/frosty.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Documentation: the faces built into the kit with their licences, the demo session, the examples.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/fonts/ DESTINATION ${PZ417_DOC_DIR}/fonts)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/demo/demo.drive
  DESTINATION ${PZ417_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${PZ417_DOC_DIR}/examples)
# The tutorial and the manual as HTML, where their links to the examples still land.
install(FILES ${PROJECT_SOURCE_DIR}/docs/tutorial.md DESTINATION ${PZ417_DOC_DIR}/docs)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual DESTINATION ${PZ417_DOC_DIR}/docs)
