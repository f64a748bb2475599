# The headers a host includes, and nothing else. Each call installs headers
# of the source tree into <prefix>/include/<subdir>, the place the other
# public headers include them from. To make a header public, add it here;
# an internal header included by a public one fails the install (see
# cmake/CheckPublicHeaders.cmake).
function(zel_public_headers subdir)
  install(FILES ${ARGN} DESTINATION include/${subdir})
  foreach(h ${ARGN})
    get_filename_component(name ${h} NAME)
    if(subdir)
      set(name ${subdir}/${name})
    endif()
    set_property(GLOBAL APPEND PROPERTY ZEL_PUBLIC_HEADERS ${name})
  endforeach()
endfunction()

zel_public_headers(""
  include/ZelCalCtrl.h include/ZelCalCtrlC.h include/zel_export.h
  platform/afx.h platform/afxbase.h platform/afxstr.h platform/afxcoll.h
  platform/afxdate.h platform/afxfile.h platform/afxwin.h)
zel_public_headers(era
  era/era_core.h era/zel_era.h era/zel_cal_ctrl_com.h era/era_date.h
  era/zel_cal_ctrl_util.h era/decimal_value.h)
zel_public_headers(controls
  controls/zel_date_frame.h controls/zel_birth_frame.h controls/zel_notify_switch.h
  controls/zel_date.h controls/zel_key_walk.h
  controls/zel_cal_norm.h controls/zel_cal_norm_dlg.h controls/zel_cal_norm_cal.h
  controls/zel_cal_birth.h controls/zel_cal_birth_notify.h controls/zel_cal_norm_notify.h)
zel_public_headers(periodic
  periodic/zel_periodic_frame.h periodic/zel_rule.h periodic/zel_str_edit.h periodic/zel_reg_set_dlg.h
  periodic/zel_cal_reg.h periodic/zel_cal_reg_notify.h periodic/zel_cal_reg_not_notify.h)
zel_public_headers(resources resources/resource.h)

# Runs after the headers are in place (install rules run in order; include
# this file before any later install rule that should be guarded).
get_property(_zel_public GLOBAL PROPERTY ZEL_PUBLIC_HEADERS)
install(CODE "set(ZEL_PUBLIC_HEADERS \"${_zel_public}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckPublicHeaders.cmake)
