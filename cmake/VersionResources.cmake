# Version resources of the two DLLs, made from resources/version.rc.in with
# the project's version.
function(zel_version_resource name desc_ja desc_en)
  set(ZEL_VER_NAME ${name})
  set(ZEL_VER_FILE ${name}.dll)
  set(ZEL_VER_DESC_JA "${desc_ja}")
  set(ZEL_VER_DESC_EN "${desc_en}")
  if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(ZEL_VER_FLAGS VS_FF_DEBUG)
  else()
    set(ZEL_VER_FLAGS 0)
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/resources/version.rc.in
                 ${CMAKE_BINARY_DIR}/version/${name}.rc @ONLY)
endfunction()

zel_version_resource(ZelCalCtrl "和暦の日付入力コントロール" "Japanese-calendar date-entry controls")
zel_version_resource(ZelAfx "ZelCalCtrl のアプリケーション フレームワーク" "Application framework of ZelCalCtrl")
