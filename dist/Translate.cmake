# Writes the launcher or the metadata with each language's texts from po/CODE.po merged in:
# cmake -DMODE=desktop|xml -DTEMPLATE=IN -DOUTPUT=OUT -DPO_DIR=DIR "-DLANGUAGES=de;fr;..."
# -DMSGFMT=msgfmt -P Translate.cmake
# The files in between keep OUT's name at their end: msgfmt finds the XML rules by it.
get_filename_component(dir ${OUTPUT} DIRECTORY)
get_filename_component(name ${OUTPUT} NAME)
set(merging ${dir}/merging.${name})
set(next ${dir}/next.${name})
file(COPY_FILE ${TEMPLATE} ${merging})
foreach(code ${LANGUAGES})
    execute_process(
        COMMAND ${MSGFMT} --${MODE} --template=${merging} -l ${code} -o ${next}
                ${PO_DIR}/${code}.po
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "msgfmt --${MODE} failed for ${code}")
    endif()
    file(RENAME ${next} ${merging})
endforeach()
file(RENAME ${merging} ${OUTPUT})
