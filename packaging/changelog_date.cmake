# changelog_epoch(CHANGELOG OUT): the date of a Debian changelog's newest entry, its
# trailer line " -- NAME <MAIL>  Thu, 10 Dec 2026 12:00:00 +0000", as seconds since
# 1970 in OUT. CMake is configured again whenever the changelog changes.
function(changelog_epoch changelog out)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    file(STRINGS ${changelog} trailers REGEX "^ -- ")
    if(NOT trailers)
        message(FATAL_ERROR "${changelog} has no entry's trailer line")
    endif()
    list(GET trailers 0 newest)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    if(NOT newest MATCHES
       ">  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) ([-+])([0-9][0-9])([0-9][0-9])$")
        message(FATAL_ERROR "${changelog}: no date in \"${newest}\"")
    endif()
    # Each string() below clears the matches, so they are all kept first.
    set(fields ${CMAKE_MATCH_1} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4} ${CMAKE_MATCH_5}
        ${CMAKE_MATCH_6} ${CMAKE_MATCH_8} ${CMAKE_MATCH_9})
    set(zone_sign ${CMAKE_MATCH_7})
    list(FIND months ${CMAKE_MATCH_2} month_index)
    if(month_index LESS 0)
        message(FATAL_ERROR "${changelog}: no month named ${CMAKE_MATCH_2}")
    endif()
    math(EXPR month "${month_index} + 1")
    # Leading zeros would read as octal in math().
    set(numbers)
    foreach(field IN LISTS fields)
        string(REGEX REPLACE "^0+([0-9])" "\\1" field ${field})
        list(APPEND numbers ${field})
    endforeach()
    list(POP_FRONT numbers day year hours minutes seconds zone_hours zone_minutes)
    # Days since 1970-01-01 of a date in the proleptic Gregorian calendar, counting the
    # year from March so that the leap day comes last.
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era
         "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    math(EXPR epoch "${days} * 86400 + ${hours} * 3600 + ${minutes} * 60 + ${seconds}
                     - (${zone_sign}1) * (${zone_hours} * 3600 + ${zone_minutes} * 60)")
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()
