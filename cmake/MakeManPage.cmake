# Makes one manual page: scdoc source to troff, the title line given the version and the
# release date (scdoc would put the day of the build there), gzipped for installation.
# Run with -DSCDOC=... -DSOURCE=page.1.scd -DOUTPUT=page.1.gz -DVERSION=... -DDATE=YYYY-MM-DD
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_VARIABLE troff
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "scdoc failed on ${SOURCE}")
endif()
# .TH "name" "1" "date" "footer" "manual": the footer gets the version after it.
string(REGEX REPLACE "\n\\.TH \"([^\"]*)\" \"([0-9])\" \"[^\"]*\" \"([^\"]*)\""
       "\n.TH \"\\1\" \"\\2\" \"${DATE}\" \"\\3 ${VERSION}\"" troff "${troff}")
string(REGEX REPLACE "\\.[0-9a-z]+$" "" plain "${OUTPUT}")
file(WRITE ${plain} "${troff}")
include(${CMAKE_CURRENT_LIST_DIR}/Gzip.cmake)
