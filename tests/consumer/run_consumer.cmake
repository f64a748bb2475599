# Installs the package into the build, builds the consumer project against
# it with the same toolchain, and runs the consumer under Wine.
set(pkg ${BUILD_DIR}/consumer-pkg)
set(bin ${BUILD_DIR}/consumer-build)
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("${out}${err}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}")
  endif()
endfunction()
file(REMOVE_RECURSE ${pkg} ${bin})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${pkg})
foreach(f include/ZelCalCtrl.h include/ZelCalCtrlC.h bin/ZelCalCtrl.dll bin/ZelAfx.dll lib/libZelCalCtrl.dll.a
          lib/libZelAfx.dll.a lib/cmake/ZelCalCtrl/ZelCalCtrlConfig.cmake)
  if(NOT EXISTS ${pkg}/${f})
    message(FATAL_ERROR "package lacks ${f}")
  endif()
endforeach()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/consumer -B ${bin}
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${pkg} -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${bin})
run(${SOURCE_DIR}/tools/wine-run.sh ${BUILD_DIR} ${bin}/consumer.exe)
