# Installs this build as the ARCH (x64 or x86) part of a package with the
# architecture selector on top, checks what the package holds, builds the
# consumer project against it with the same toolchain and, when RUN is set,
# runs the consumer under Wine.
cmake_policy(SET CMP0057 NEW)
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
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${pkg}/${ARCH})
run(${CMAKE_COMMAND} -DPREFIX=${pkg} -DBUILD_DIR=${BUILD_DIR} -P ${SOURCE_DIR}/cmake/InstallSelector.cmake)
set(arch ${pkg}/${ARCH})
foreach(f include/ZelCalCtrl.h include/ZelCalCtrlC.h bin/ZelCalCtrl.dll bin/ZelAfx.dll
          lib/libZelCalCtrl.dll.a lib/libZelAfx.dll.a lib/cmake/ZelCalCtrl/ZelCalCtrlConfig.cmake
          bin/zelera.exe debug/ZelCalCtrl.dll.debug debug/ZelAfx.dll.debug debug/zelera.exe.debug)
  if(NOT EXISTS ${arch}/${f})
    message(FATAL_ERROR "package lacks ${ARCH}/${f}")
  endif()
endforeach()

# Our DLLs and the era tool: stripped, linked to their debug files,
# importing only Windows itself, our DLLs and (x86) the shipped libgcc.
set(system_dlls KERNEL32 USER32 GDI32 IMM32 COMCTL32 ADVAPI32 SHELL32 msvcrt)
file(GLOB shipped RELATIVE ${arch}/bin ${arch}/bin/*.dll)
foreach(dll ZelAfx.dll ZelCalCtrl.dll zelera.exe)
  execute_process(COMMAND ${OBJDUMP} -p -h ${arch}/bin/${dll} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump cannot read ${ARCH}/bin/${dll}")
  endif()
  if(dump MATCHES "\\.debug_" OR NOT dump MATCHES "\\.gnu_debuglink")
    message(FATAL_ERROR "${ARCH}/bin/${dll} is not stripped with a debug link")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  foreach(line ${imports})
    string(REPLACE "DLL Name: " "" name "${line}")
    string(REGEX REPLACE "\\.[dD][lL][lL]$" "" base "${name}")
    string(TOUPPER "${base}" upper)
    set(known FALSE)
    foreach(s ${system_dlls})
      string(TOUPPER "${s}" s)
      if(upper STREQUAL s)
        set(known TRUE)
      endif()
    endforeach()
    if(NOT known AND NOT name IN_LIST shipped)
      message(FATAL_ERROR "${ARCH}/bin/${dll} imports ${name}, which is neither Windows's nor in the package")
    endif()
  endforeach()
  message("${ARCH}/bin/${dll} imports: ${imports}")
endforeach()

run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/consumer -B ${bin}
    -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_PREFIX_PATH=${pkg} -DCMAKE_BUILD_TYPE=Release
    -DZEL_EXPECT_ARCH=${ARCH})
run(${CMAKE_COMMAND} --build ${bin})
if(RUN)
  run(${SOURCE_DIR}/tools/wine-run.sh ${BUILD_DIR} ${bin}/consumer.exe)
endif()
