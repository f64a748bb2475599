# Runs the zelera program as a user would, on a real file in a fresh folder:
#   cmake -DZELERA=<program> [-DEMULATOR=<runner;args>] -DWORK_DIR=<dir> -P run_zelera.cmake
# Arguments go in as UTF-8, the console-less output comes back as UTF-8.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/data")

# zelera(<expected exit code> <args>...): runs it in WORK_DIR; its output is
# left in `out` and `err`.
function(zelera expected)
  execute_process(COMMAND ${EMULATOR} "${ZELERA}" ${ARGN}
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE code OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  if(NOT code STREQUAL "${expected}")
    message(FATAL_ERROR "zelera ${ARGN}: exit ${code}, expected ${expected}\n${stdout}\n${stderr}")
  endif()
  set(out "${stdout}" PARENT_SCOPE)
  set(err "${stderr}" PARENT_SCOPE)
endfunction()

function(expect_file hex what)
  file(READ "${WORK_DIR}/data/era.dat" bytes HEX)
  if(NOT bytes STREQUAL "${hex}")
    message(FATAL_ERROR "${what}: data/era.dat holds ${bytes}")
  endif()
endfunction()

function(expect_in text needle what)
  string(FIND "${text}" "${needle}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${what}: \"${needle}\" not in:\n${text}")
  endif()
endfunction()

# The built-in table and the same with 令和 from 2019, in Shift_JIS with CR-LF.
set(built_in "2d312c2d312c90bc97ef2c310d0a313938392c2d312c95bd90ac2c300d0a313932362c313938382c8fba98612c300d0a313931322c313932352c91e590b32c300d0a313836382c313931312c96be8ea12c300d0a")
set(reiwa "2d312c2d312c90bc97ef2c310d0a323031392c2d312c97df98612c300d0a313938392c323031382c95bd90ac2c300d0a313932362c313938382c8fba98612c300d0a313931322c313932352c91e590b32c300d0a313836382c313931312c96be8ea12c300d0a")

zelera(1 check)
expect_in("${out}" "no such file" "check without a file")
zelera(0 init)
expect_file("${built_in}" "init")
zelera(0 add 令和 2019)
expect_file("${reiwa}" "add 令和 2019")
expect_in("${out}" "平成 now ends in 2018" "add 令和 2019")
file(READ "${WORK_DIR}/data/era.dat.bak" bak HEX)
if(NOT bak STREQUAL "${built_in}")
  message(FATAL_ERROR "era.dat.bak holds ${bak}")
endif()
zelera(0 check)
expect_in("${out}" "  令和      2019 -\n  平成      1989 - 2018\n" "check after add")
expect_in("${out}" "Sound." "check after add")

# Refused: the file stays byte for byte.
zelera(1 add 令和 2030)
expect_in("${err}" "令和 is in the table already" "second add")
zelera(1 add 😀 2030)
expect_in("${err}" "cannot be written in Shift_JIS" "emoji name")
expect_file("${reiwa}" "after refusals")

# A path given: a file the library cannot read as meant.
file(WRITE "${WORK_DIR}/lf.dat" "-1,-1,x,1\n")
zelera(1 check lf.dat)
expect_in("${out}" "line 1: ends with LF alone" "LF-only file")
