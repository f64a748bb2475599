# Install step: our DLLs and the era tool lose their symbols and debug
# sections, which go to debug/<file>.debug with a debug link from the file;
# shipped runtime DLLs are stripped only.
set(_pkg "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
function(zel_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${err}")
  endif()
endfunction()
file(MAKE_DIRECTORY "${_pkg}/debug")
foreach(bin ${ZEL_OWN_BINARIES})
  zel_run(${ZEL_OBJCOPY} --only-keep-debug "${_pkg}/bin/${bin}" "${_pkg}/debug/${bin}.debug")
  zel_run(${ZEL_OBJCOPY} --strip-all "--add-gnu-debuglink=${_pkg}/debug/${bin}.debug" "${_pkg}/bin/${bin}")
endforeach()
foreach(dll ${ZEL_RUNTIME_NAMES})
  zel_run(${ZEL_OBJCOPY} --strip-all "${_pkg}/bin/${dll}")
endforeach()
