# The package a host links against: headers, DLLs, import libraries and a
# CMake config with the imported target ZelCalCtrl::ZelCalCtrl.
install(TARGETS zelafx ZelCalCtrl RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(FILES ${ZEL_RUNTIME_DLLS} DESTINATION bin)
install(FILES include/ZelCalCtrl.h include/ZelCalCtrlC.h include/zel_export.h DESTINATION include)
file(GLOB ZEL_AFX_HEADERS ${CMAKE_SOURCE_DIR}/platform/afx*.h)
list(FILTER ZEL_AFX_HEADERS EXCLUDE REGEX "_win\\.h$")
install(FILES ${ZEL_AFX_HEADERS} DESTINATION include)
foreach(dir era controls periodic)
  install(DIRECTORY ${dir}/ DESTINATION include/${dir} FILES_MATCHING PATTERN "*.h")
endforeach()
install(FILES resources/resource.h DESTINATION include/resources)
install(FILES cmake/ZelCalCtrlConfig.cmake DESTINATION lib/cmake/ZelCalCtrl)
