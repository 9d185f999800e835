# Seals a linked executable so that it can notice at start-up when its file was altered:
# appends "\nCORVANTA-SEAL:" + SHA-256 (hex) of every byte before the trailer + "\n" (80 bytes).
#
# As a script:  cmake -DFILE=<path> -P Seal.cmake
# As an include: corvanta_seal(<target>) seals the target after every link.
if(CMAKE_SCRIPT_MODE_FILE)
    if(NOT DEFINED FILE OR NOT EXISTS "${FILE}")
        message(FATAL_ERROR "Seal.cmake: no file to seal (-DFILE=${FILE})")
    endif()
    file(SHA256 "${FILE}" digest)
    file(APPEND "${FILE}" "\nCORVANTA-SEAL:${digest}\n")
    return()
endif()

function(corvanta_seal target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${target}> -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
        VERBATIM)
endfunction()
