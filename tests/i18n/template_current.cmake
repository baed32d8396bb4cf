# Fails when po/quorvel.pot is not what po/update_template.sh makes from the sources now:
# a text was added or changed without the translators' template following it.
execute_process(COMMAND bash ${SOURCE}/po/update_template.sh ${WORK}/fresh.pot
    WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "po/update_template.sh failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/po/quorvel.pot
    ${WORK}/fresh.pot RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    execute_process(COMMAND diff -u ${SOURCE}/po/quorvel.pot ${WORK}/fresh.pot)
    message(FATAL_ERROR "po/quorvel.pot is out of date: run po/update_template.sh")
endif()
