# Compresses a file the way Debian wants documentation compressed: gzip -9n, with no name or
# time stamp inside, so that the same input always gives the same bytes.
# Run with -DSOURCE=file -DOUTPUT=file.gz, or included with `plain` and OUTPUT set.
if(NOT DEFINED plain)
    set(plain ${SOURCE})
endif()
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
execute_process(COMMAND gzip -9nc ${plain} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${plain}")
endif()
