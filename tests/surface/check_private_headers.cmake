# Builds each probe (TARGET=header) and expects the compiler to refuse it for want of the header.
foreach(probe IN LISTS PROBES)
  string(REPLACE "=" ";" parts "${probe}")
  list(GET parts 0 target)
  list(GET parts 1 header)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(FIND "${output}" "${header}: No such file or directory" refused)
  if(result EQUAL 0)
    message(SEND_ERROR "${header} is on the include path of a program that links the kit")
  elseif(refused EQUAL -1)
    message(SEND_ERROR "the probe for ${header} failed for another reason:\n${output}")
  endif()
endforeach()
