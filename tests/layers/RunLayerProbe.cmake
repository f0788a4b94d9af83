# Builds one layer probe (see CMakeLists.txt beside this file) and checks the outcome.
#   cmake -DBUILD_DIR=<build tree> -DTARGET=<probe target> -DEXPECT=PASS|FAIL
#         -DMISSING=<header a FAIL probe must stop at> -P RunLayerProbe.cmake
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

if(EXPECT STREQUAL "PASS")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${TARGET} must compile, but:\n${output}")
    endif()
    message(STATUS "${TARGET} compiles")
elseif(result EQUAL 0)
    message(FATAL_ERROR "${TARGET} compiled, though its layer must not see ${MISSING}")
else()
    string(FIND "${output}" "${MISSING}" at)
    if(at EQUAL -1 OR NOT output MATCHES "No such file or directory|file not found")
        message(FATAL_ERROR "${TARGET} failed, but not at the missing ${MISSING}:\n${output}")
    endif()
    message(STATUS "${TARGET} stops at ${MISSING}, as it must")
endif()
