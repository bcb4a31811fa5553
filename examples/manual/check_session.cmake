# cmake -DREPLAY=exe -DSESSION=name -DSOURCE=dir -DWORK=dir -P check_session.cmake
# Plays SESSION.drive (none: no input) in WORK and compares the window, the console, the log and
# any script file written with the committed SESSION.png, .console.png, .log and .scr. With the environment
# variable PZ417_UPDATE_EXAMPLES set, copies them over the committed ones instead.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(drive)
if(EXISTS ${SOURCE}/${SESSION}.drive)
  set(drive ${SOURCE}/${SESSION}.drive)
endif()
execute_process(
  COMMAND ${REPLAY} ${drive} --window window.png --console console.png --log log.txt
  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${REPLAY} ${drive} exited with ${status}")
endif()

set(outputs window.png=png console.png=console.png log.txt=log)
if(EXISTS ${WORK}/PZ417.SCR OR EXISTS ${SOURCE}/${SESSION}.scr)
  list(APPEND outputs PZ417.SCR=scr)
endif()
foreach(output IN LISTS outputs)
  string(REPLACE "=" ";" pair ${output})
  list(GET pair 0 made)
  list(GET pair 1 extension)
  set(committed ${SOURCE}/${SESSION}.${extension})
  if(DEFINED ENV{PZ417_UPDATE_EXAMPLES})
    execute_process(COMMAND ${CMAKE_COMMAND} -E copy ${WORK}/${made} ${committed})
    continue()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${made} ${committed}
    RESULT_VARIABLE differs)
  if(differs)
    message(SEND_ERROR "${WORK}/${made} differs from ${committed}")
  endif()
endforeach()
