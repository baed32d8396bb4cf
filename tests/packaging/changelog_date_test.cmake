# The manual page's date as read from a changelog: the newest entry's trailer, whatever
# its zone, leading zeros or leap day, in seconds since 1970 (as `date -d ... +%s` says).
# Run with cmake -DSOURCE_DIR=... -DWORK_DIR=... -P changelog_date_test.cmake.
include(${SOURCE_DIR}/packaging/changelog_date.cmake)

set(cases
    "Thu, 10 Dec 2026 12:00:00 +0000=1796904000"
    "Sun, 01 Jan 2023 00:00:00 +0100=1672527600"
    "Thu, 29 Feb 2024 23:59:59 -0530=1709270999"
    "Fri, 09 Aug 2019 08:08:09 +0000=1565338089"
    "Wed, 1 Mar 2000 10:00:00 +0200=951897600"
    "Thu, 01 Jan 1970 00:00:00 +0000=0")
set(changelog ${WORK_DIR}/changelog)
set(failures 0)
foreach(case IN LISTS cases)
    string(REPLACE "=" ";" parts "${case}")
    list(GET parts 0 date)
    list(GET parts 1 expected)
    file(WRITE ${changelog}
        "quorvel (0.2.0) unstable; urgency=medium\n\n  * Newer.\n\n"
        " -- Quorvel developers <quorvel@users.noreply.github.com>  ${date}\n\n"
        "quorvel (0.1.0) unstable; urgency=medium\n\n  * Older.\n\n"
        " -- Quorvel developers <quorvel@users.noreply.github.com>  Mon, 01 Jan 2001 00:00:00 +0000\n")
    changelog_epoch(${changelog} got)
    if(NOT got STREQUAL expected)
        message(SEND_ERROR "${date}: got ${got}, expected ${expected}")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()
if(failures EQUAL 0)
    message(STATUS "every date read as expected")
endif()
