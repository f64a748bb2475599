# The package a host links against, for one architecture: headers, stripped
# DLLs with their debug information in debug/, import libraries and a CMake
# config with the imported target ZelCalCtrl::ZelCalCtrl. `make install`
# puts each architecture below <prefix>/x64 or <prefix>/x86 and adds the
# selector of cmake/InstallSelector.cmake on top.
include(CMakePackageConfigHelpers)
install(TARGETS zelafx ZelCalCtrl RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
if(ZEL_RUNTIME_DLLS)
  install(FILES ${ZEL_RUNTIME_DLLS} DESTINATION bin)
endif()
set(_runtime_names "")
foreach(dll ${ZEL_RUNTIME_DLLS})
  get_filename_component(name ${dll} NAME)
  list(APPEND _runtime_names ${name})
endforeach()
install(CODE "set(ZEL_OBJCOPY \"${CMAKE_OBJCOPY}\")
set(ZEL_OWN_BINARIES ZelAfx.dll ZelCalCtrl.dll zelera.exe)
set(ZEL_RUNTIME_NAMES \"${_runtime_names}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/StripPackage.cmake)

write_basic_package_version_file(${CMAKE_BINARY_DIR}/ZelCalCtrlConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
# The selector on top serves both architectures.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/selector/ZelCalCtrlConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES cmake/ZelCalCtrlConfig.cmake ${CMAKE_BINARY_DIR}/ZelCalCtrlConfigVersion.cmake
  DESTINATION lib/cmake/ZelCalCtrl)
include(cmake/PublicHeaders.cmake)
