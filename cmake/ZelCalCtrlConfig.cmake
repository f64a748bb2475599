# Imported targets of an installed ZelCalCtrl package.
#   find_package(ZelCalCtrl REQUIRED)
#   target_link_libraries(app PRIVATE ZelCalCtrl::ZelCalCtrl)
# ZelCalCtrl::ZelCalCtrl brings the framework DLL (ZelCalCtrl::ZelAfx) along.
# ZelCalCtrl_RUNTIME_DIR is the folder of the DLLs a host needs beside it.
get_filename_component(_zel_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)

if(NOT TARGET ZelCalCtrl::ZelAfx)
  add_library(ZelCalCtrl::ZelAfx SHARED IMPORTED)
  set_target_properties(ZelCalCtrl::ZelAfx PROPERTIES
    IMPORTED_LOCATION "${_zel_prefix}/bin/ZelAfx.dll"
    IMPORTED_IMPLIB "${_zel_prefix}/lib/libZelAfx.dll.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_zel_prefix}/include"
    INTERFACE_LINK_LIBRARIES "user32;gdi32;imm32;comctl32")
endif()

if(NOT TARGET ZelCalCtrl::ZelCalCtrl)
  add_library(ZelCalCtrl::ZelCalCtrl SHARED IMPORTED)
  set_target_properties(ZelCalCtrl::ZelCalCtrl PROPERTIES
    IMPORTED_LOCATION "${_zel_prefix}/bin/ZelCalCtrl.dll"
    IMPORTED_IMPLIB "${_zel_prefix}/lib/libZelCalCtrl.dll.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_zel_prefix}/include"
    INTERFACE_LINK_LIBRARIES ZelCalCtrl::ZelAfx)
endif()

set(ZelCalCtrl_RUNTIME_DIR "${_zel_prefix}/bin")
set(ZelCalCtrl_FOUND TRUE)
unset(_zel_prefix)
