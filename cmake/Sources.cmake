# Source lists. Files named *_win.cpp need the window system and are left out
# of the native build.
file(GLOB ZEL_AFX_ALL CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/*.cpp)
set(ZEL_AFX_CORE_SOURCES ${ZEL_AFX_ALL})
list(FILTER ZEL_AFX_CORE_SOURCES EXCLUDE REGEX "_win\\.cpp$")
set(ZEL_AFX_WIN_SOURCES ${ZEL_AFX_ALL})
list(FILTER ZEL_AFX_WIN_SOURCES INCLUDE REGEX "_win\\.cpp$")

file(GLOB ZEL_ERA_ALL CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/era/*.cpp)
set(ZEL_ERA_CORE_SOURCES ${ZEL_ERA_ALL})
list(FILTER ZEL_ERA_CORE_SOURCES EXCLUDE REGEX "_win\\.cpp$")
set(ZEL_ERA_WIN_SOURCES ${ZEL_ERA_ALL})
list(FILTER ZEL_ERA_WIN_SOURCES INCLUDE REGEX "_win\\.cpp$")

file(GLOB ZEL_LIB_WIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/controls/*.cpp
  ${CMAKE_SOURCE_DIR}/periodic/*.cpp
  ${CMAKE_SOURCE_DIR}/wndclass/*.cpp
  ${CMAKE_SOURCE_DIR}/module/*.cpp)
list(APPEND ZEL_LIB_WIN_SOURCES ${ZEL_ERA_WIN_SOURCES})

file(GLOB ZEL_RESOURCE_DEPENDS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/*.rc ${CMAKE_SOURCE_DIR}/resources/*.h)

# The C++20 <chrono> header holds a narrow literal ("\u00b5s") that CP932
# cannot encode. Sources that use the calendar types and hold no Japanese
# text are compiled with a UTF-8 execution charset instead.
set_source_files_properties(
  ${CMAKE_SOURCE_DIR}/platform/afxdate.cpp
  ${CMAKE_SOURCE_DIR}/era/zel_era.cpp
  ${CMAKE_SOURCE_DIR}/era/era_file_snapshot.cpp
  PROPERTIES COMPILE_OPTIONS -fexec-charset=UTF-8 SKIP_PRECOMPILE_HEADERS ON)
