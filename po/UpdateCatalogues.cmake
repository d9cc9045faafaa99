# Extracts the texts marked with Tr and TrNoop from the game and the asset generator, and the
# launcher's and metadata's texts, into po/quillox.pot, then merges the template into each
# language's catalogue.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
     ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h)
list(SORT sources)
execute_process(
    COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 --keyword=Tr --keyword=TrNoop --keyword=TrFill:1
            --add-comments=TRANSLATORS: --package-name=Quillox --msgid-bugs-address=
            --sort-by-file -o po/quillox.pot ${sources}
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "xgettext failed")
endif()
# The launcher's and the software centre's texts join them (xgettext knows both formats).
execute_process(
    COMMAND ${XGETTEXT} --join-existing --from-code=UTF-8 --add-comments=TRANSLATORS:
            -o po/quillox.pot dist/com.bexholt.Quillox.desktop
            dist/com.bexholt.Quillox.metainfo.xml.in
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "xgettext failed on the launcher or the metadata")
endif()
foreach(code ${LANGUAGES})
    execute_process(
        COMMAND ${MSGMERGE} --quiet --update --backup=none --no-fuzzy-matching po/${code}.po
                po/quillox.pot
        WORKING_DIRECTORY ${SOURCE_DIR}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "msgmerge failed for ${code}")
    endif()
endforeach()
