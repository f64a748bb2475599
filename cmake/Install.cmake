# The package a host links against: headers, DLLs, import libraries and a
# CMake config with the imported target ZelCalCtrl::ZelCalCtrl.
install(TARGETS zelafx ZelCalCtrl RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(FILES ${ZEL_RUNTIME_DLLS} DESTINATION bin)
install(FILES cmake/ZelCalCtrlConfig.cmake DESTINATION lib/cmake/ZelCalCtrl)
include(cmake/PublicHeaders.cmake)
