# cmake -DPREFIX=<dir> -DBUILD_DIR=<a configured Windows build> -P InstallSelector.cmake
# Puts the architecture selector and its version file at <dir>/lib/cmake/ZelCalCtrl,
# above the packages installed into <dir>/x64 and <dir>/x86.
set(_dest "${PREFIX}/lib/cmake/ZelCalCtrl")
file(MAKE_DIRECTORY "${_dest}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/ZelCalCtrlSelect.cmake" "${_dest}/ZelCalCtrlConfig.cmake" COPYONLY)
configure_file("${BUILD_DIR}/selector/ZelCalCtrlConfigVersion.cmake" "${_dest}/ZelCalCtrlConfigVersion.cmake" COPYONLY)
