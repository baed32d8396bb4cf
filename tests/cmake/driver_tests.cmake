# The Python drivers (tests/e2e, tests/web) find the helpers they share, the quorvel_drive
# package, through PYTHONPATH: set here for the tests they register and for asking them
# their scenarios.
set(QUORVEL_DRIVE_DIR ${CMAKE_CURRENT_LIST_DIR}/../drive)
cmake_path(NORMAL_PATH QUORVEL_DRIVE_DIR)

# quorvel_driver_scenarios(VARIABLE COMMAND...)
# Runs a driver's listing command and sets VARIABLE to the words it prints, one scenario
# each; a failing or empty listing stops the configuration, and CMake configures again
# when the driver (the listing command's second word) changes.
function(quorvel_driver_scenarios variable)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --modify PYTHONPATH=path_list_prepend:${QUORVEL_DRIVE_DIR}
                ${ARGN}
        OUTPUT_VARIABLE listed OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR listed STREQUAL "")
        list(JOIN ARGN " " shown)
        message(FATAL_ERROR "listing a driver's scenarios failed (${status}): ${shown}")
    endif()
    list(GET ARGN 1 driver)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${driver})
    separate_arguments(listed UNIX_COMMAND "${listed}")
    set(${variable} ${listed} PARENT_SCOPE)
endfunction()

# quorvel_add_driver_tests(NAME pattern [SCENARIOS scenario...] COMMAND word...
#                          [PROPERTIES property value...])
# One test per scenario, its name and command with every @scenario@ replaced by the
# scenario; a command word that is @scenario_words@ alone becomes the scenario's
# dot-separated parts, one argument each. Without SCENARIOS, one test named NAME. Every
# test gets the drivers' shared package on PYTHONPATH and the PROPERTIES given.
function(quorvel_add_driver_tests)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "SCENARIOS;COMMAND;PROPERTIES")
    if(NOT arg_NAME OR NOT arg_COMMAND OR arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "quorvel_add_driver_tests: NAME and COMMAND, and nothing else "
                            "unnamed (${arg_UNPARSED_ARGUMENTS})")
    endif()
    # Without scenarios, the one test: @scenario@ put back for itself changes nothing.
    set(scenarios "@scenario@")
    if(DEFINED arg_SCENARIOS)
        set(scenarios ${arg_SCENARIOS})
    endif()
    foreach(scenario IN LISTS scenarios)
        string(REPLACE "@scenario@" "${scenario}" name "${arg_NAME}")
        set(command)
        foreach(word IN LISTS arg_COMMAND)
            if(word STREQUAL "@scenario_words@")
                string(REPLACE "." ";" words "${scenario}")
                list(APPEND command ${words})
            else()
                string(REPLACE "@scenario@" "${scenario}" word "${word}")
                list(APPEND command "${word}")
            endif()
        endforeach()
        add_test(NAME ${name} COMMAND ${command})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT_MODIFICATION PYTHONPATH=path_list_prepend:${QUORVEL_DRIVE_DIR}
            ${arg_PROPERTIES})
    endforeach()
endfunction()
