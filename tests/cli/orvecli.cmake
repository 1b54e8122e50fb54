# Runs orve-cli as a user would: round trip byte for byte, the JSON dump, and the exit status
# of a file that cannot be read (1) and of a wrong call (2).
# cmake -DCLI=<orve-cli> -DDATA=<tests/data> -DWORK=<scratch folder> -P orvecli.cmake

function(run expected_status)
    execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "orve-cli ${ARGN}: status ${status}, expected ${expected_status}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_same_bytes first second)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${first} ${second}
                    RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${second} differs from ${first}")
    endif()
endfunction()

# A root that never had a group comes back with its text as its key, so its record changes in
# the first round trip only; a school with groups keeps every byte.
file(MAKE_DIRECTORY ${WORK})
foreach(name school.rve empty-school.rve six-days.rve placeholder-plan.rve)
    run(0 roundtrip ${DATA}/${name} ${WORK}/${name})
    run(0 roundtrip ${WORK}/${name} ${WORK}/again-${name})
    expect_same_bytes(${WORK}/${name} ${WORK}/again-${name})
endforeach()
expect_same_bytes(${DATA}/school.rve ${WORK}/school.rve)

run(0 dump ${DATA}/school.rve)
string(JSON first_class GET "${out}" classes 0)
string(JSON root_parent TYPE "${out}" tree 0 parent)
string(JSON member GET "${out}" tree 2 text)
string(JSON lesson GET "${out}" timetable 1 1)
string(JSON periods GET "${out}" plan 1 4)
if(NOT first_class STREQUAL "初一(1)" OR NOT root_parent STREQUAL "NULL"
   OR NOT member STREQUAL "初一(1)语文" OR NOT lesson STREQUAL "语文  张三"
   OR NOT periods STREQUAL "5")
    message(FATAL_ERROR "unexpected dump:\n${out}")
endif()

run(1 dump ${WORK}/missing.rve)
string(FIND "${err}" "missing.rve" named)
string(REGEX MATCHALL "\n" lines "${err}")
list(LENGTH lines line_count)
if(named LESS 0 OR NOT line_count EQUAL 1)
    message(FATAL_ERROR "expected one line naming the file, got:\n${err}")
endif()
run(1 roundtrip ${DATA}/school.rve ${WORK}/no/such/folder/out.rve)
run(2)
run(2 dump)
run(2 roundtrip ${DATA}/school.rve)
run(2 convert ${DATA}/school.rve)
