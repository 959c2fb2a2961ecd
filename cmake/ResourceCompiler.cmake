# Compiling .rc scripts into Win32 resource files with llvm-rc.
#
# llvm-rc reads any argument that starts with "/" as an option, so an absolute
# path such as /check/build/x.rc is taken for the /C (code page) option and the
# script goes missing. Every path handed to it is therefore made relative to
# the folder the command runs in.

find_program(LLVM_RC NAMES llvm-rc llvm-rc-14 REQUIRED)

# stoupe_compile_rc(OUTPUT <file> SCRIPT <file> [OPTIONS ...] [DEPENDS ...]
#                   [COMMENT <text>])
function(stoupe_compile_rc)
  cmake_parse_arguments(RC "" "OUTPUT;SCRIPT;COMMENT" "OPTIONS;DEPENDS" ${ARGN})
  get_filename_component(work_dir "${RC_SCRIPT}" DIRECTORY)
  get_filename_component(out_dir "${RC_OUTPUT}" DIRECTORY)
  file(RELATIVE_PATH script_rel "${work_dir}" "${RC_SCRIPT}")
  file(RELATIVE_PATH output_rel "${work_dir}" "${RC_OUTPUT}")
  if(NOT RC_COMMENT)
    set(RC_COMMENT "Compiling ${script_rel}")
  endif()
  add_custom_command(
    OUTPUT ${RC_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND ${LLVM_RC} -no-preprocess ${RC_OPTIONS} -fo ${output_rel} ${script_rel}
    DEPENDS ${RC_SCRIPT} ${RC_DEPENDS}
    WORKING_DIRECTORY ${work_dir}
    COMMENT "${RC_COMMENT}"
    VERBATIM)
endfunction()
