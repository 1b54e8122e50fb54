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

# Scheduling in batch: the same seed gives the same file; check reads the figures back.
run(0 schedule ${DATA}/school.rve ${WORK}/scheduled-a.rve --seed 11 --runs 3)
set(summary "${out}")
run(0 schedule ${DATA}/school.rve ${WORK}/scheduled-b.rve --runs 3 --seed 11)
expect_same_bytes(${WORK}/scheduled-a.rve ${WORK}/scheduled-b.rve)
foreach(field classes slots_per_week periods_planned lessons_placed unplaced double_bookings
              conflict_entries_left runs seed ms)
    string(JSON value ERROR_VARIABLE missing GET "${summary}" ${field})
    if(missing)
        message(FATAL_ERROR "schedule printed no ${field}:\n${summary}")
    endif()
endforeach()
string(JSON runs GET "${summary}" runs)
string(JSON classes GET "${summary}" classes)
string(JSON slots GET "${summary}" slots_per_week)
if(NOT runs EQUAL 3 OR NOT classes EQUAL 2 OR NOT slots EQUAL 25)
    message(FATAL_ERROR "unexpected schedule figures:\n${summary}")
endif()
run(0 check ${WORK}/scheduled-a.rve)
string(JSON placed_after GET "${out}" lessons_placed)
string(JSON placed_during GET "${summary}" lessons_placed)
if(NOT placed_after EQUAL placed_during)
    message(FATAL_ERROR "check of the saved timetable disagrees with schedule:\n${out}")
endif()

# The optimiser in batch: after the run, or on a file that holds a timetable. The same seed
# and step budget give the same file; check reads the figures back.
run(0 schedule ${DATA}/school.rve ${WORK}/optimised.rve --seed 11 --optimise --steps 5000)
foreach(field double_bookings_before_optimise unplaced_before_optimise optimise_ms
              double_bookings unplaced ms main_rule)
    string(JSON value ERROR_VARIABLE missing GET "${out}" ${field})
    if(missing)
        message(FATAL_ERROR "schedule --optimise printed no ${field}:\n${out}")
    endif()
endforeach()
run(0 optimise ${WORK}/scheduled-a.rve ${WORK}/optimised-a.rve --seed 4 --steps 5000)
set(optimised "${out}")
run(0 optimise ${WORK}/scheduled-a.rve ${WORK}/optimised-b.rve --steps 5000 --seed 4 --time 60)
expect_same_bytes(${WORK}/optimised-a.rve ${WORK}/optimised-b.rve)
string(JSON before GET "${optimised}" double_bookings_before)
string(JSON after GET "${optimised}" double_bookings)
run(0 check ${WORK}/optimised-a.rve)
string(JSON checked GET "${out}" double_bookings)
if(after GREATER before OR NOT checked EQUAL after)
    message(FATAL_ERROR "optimise and check disagree:\n${optimised}\n${out}")
endif()
run(0 optimise ${WORK}/optimised-a.rve ${WORK}/optimised-c.rve --allow-main-afternoon)
run(2 optimise ${WORK}/scheduled-a.rve)
run(2 optimise ${WORK}/scheduled-a.rve ${WORK}/x.rve --time soon)
run(2 optimise ${WORK}/scheduled-a.rve ${WORK}/x.rve --runs 2)
run(2 schedule ${DATA}/school.rve ${WORK}/x.rve --optimise --steps)
run(1 optimise ${WORK}/missing.rve ${WORK}/x.rve)

run(2 schedule ${DATA}/school.rve)
run(2 schedule ${DATA}/school.rve ${WORK}/x.rve --runs 0)
run(2 schedule ${DATA}/school.rve ${WORK}/x.rve --seed)
run(1 check ${WORK}/missing.rve)

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

# A file cut short is opened with a warning naming its line; a foreign file is refused.
run(0 roundtrip ${DATA}/fuzz-corpus/ok-cut-last-line.rve ${WORK}/cut.rve)
string(FIND "${err}" "第 66 行" warned)
if(warned LESS 0)
    message(FATAL_ERROR "expected a warning naming line 66, got:\n${err}")
endif()
run(1 dump ${DATA}/fuzz-corpus/refused-foreign-text.rve)
