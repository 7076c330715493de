# Extracts the marked messages of src/core, src/cleaner, src/cli and src/platform into OUTPUT (a
# .pot file) and, with MERGE, merges them into po/<language>.po of every language.
#   cmake -DSOURCE_DIR=... -DXGETTEXT=... -DMSGMERGE=... -DLANGUAGES=... -DOUTPUT=... [-DMERGE=ON]
#         -P ExtractMessages.cmake
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/core/*.cpp ${SOURCE_DIR}/src/core/*.h
     ${SOURCE_DIR}/src/cleaner/*.cpp ${SOURCE_DIR}/src/cleaner/*.h
     ${SOURCE_DIR}/src/cli/*.cpp ${SOURCE_DIR}/src/cli/*.h)
list(SORT sources)
execute_process(
  COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 --keyword= --keyword=Tr
          --keyword=TrN:1,2 --keyword=TrNoop --add-comments=Translators: --sort-by-file
          --package-name=Ferrovane --msgid-bugs-address=https://ferrovane.example.org/ --force-po --no-wrap -o ${OUTPUT} ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "xgettext failed")
endif()
# The date of the extraction would change the template at every run.
file(READ ${OUTPUT} template)
string(REGEX REPLACE "\"POT-Creation-Date: [^\"]*\"\n" "" template "${template}")
string(REPLACE "charset=CHARSET" "charset=UTF-8" template "${template}")
file(WRITE ${OUTPUT} "${template}")
if(MERGE)
  foreach(language ${LANGUAGES})
    set(po ${SOURCE_DIR}/po/${language}.po)
    if(NOT EXISTS ${po})
      execute_process(COMMAND msginit --no-translator --no-wrap --locale=${language}.UTF-8
                              -i ${OUTPUT} -o ${po})
    else()
      execute_process(COMMAND ${MSGMERGE} --quiet --update --backup=none --no-wrap
                              --previous ${po} ${OUTPUT}
                      RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "msgmerge failed for ${po}")
      endif()
    endif()
  endforeach()
endif()
