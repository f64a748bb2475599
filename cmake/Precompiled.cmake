# Most of a library source's compile time is <windows.h> and the standard
# headers; the two DLLs parse them once each (cmake/windows_headers.h).
# Sources compiled with other flags (the UTF-8 execution charset) skip it.
# The test programs do without: a header holding GoogleTest as well grows to
# 200 MB and costs more to load than it saves. ZEL_PRECOMPILE=OFF builds
# without, to check that every source still includes what it uses.
option(ZEL_PRECOMPILE "Precompile the Windows and standard headers" ON)

function(zel_precompile target)
  if(WIN32 AND ZEL_PRECOMPILE)
    target_precompile_headers(${target} PRIVATE
      "$<$<COMPILE_LANGUAGE:CXX>:${CMAKE_SOURCE_DIR}/cmake/windows_headers.h>")
  endif()
endfunction()
