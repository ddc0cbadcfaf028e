# How Linewright lands on a Linux desktop. Included once, at the end of CMakeLists.txt, after
# every target exists.

# One version for both programs and the About box: project().
set(LW_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${LW_GENERATED_DIR}/lw_version.h @ONLY)
foreach(target lwtool lwui lwright)
  if(TARGET ${target})
    target_include_directories(${target} PRIVATE ${LW_GENERATED_DIR})
  endif()
endforeach()
# Only the tests that check the version see it, so the other tests keep their compiled units.
set_source_files_properties(tests/cli/lwtool_test.cpp tests/ui/start_arguments_test.cpp
                            DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTIES INCLUDE_DIRECTORIES ${LW_GENERATED_DIR})
