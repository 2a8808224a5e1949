# tubrix_add_resources(<target> <rc-file> [INCLUDES <dir>...] [DEPENDS <file>...])
#
# Compiles a resource script with llvm-rc into a .res file in the build tree
# and builds its bytes into <target>: a generated source defines
# EmbeddedResourceFile() (platform/embedded_resources.h), which
# ApplicationResources() reads. A program must end up with exactly one such
# definition, so call this for an executable or an OBJECT library, never
# for a static library whose objects the linker might leave out.
#
# The script is read as UTF-8 (code page 65001) and run through the C
# preprocessor with its own folder and the INCLUDES folders (generated
# headers) on the include path. DEPENDS lists what it includes or loads
# (headers, icons, bitmaps) so that a change rebuilds it.
#
# The same file, run with cmake -P and INPUT/OUTPUT set, writes the source.

if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])"
         "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  get_filename_component(name "${INPUT}" NAME)
  file(WRITE "${OUTPUT}.tmp"
"// Generated from ${name} by TubrixResources.cmake; do not edit.
#include \"platform/embedded_resources.h\"

namespace {
alignas(4) const std::uint8_t kResourceFile[] = {
${bytes}
};
}  // namespace

std::span<const std::uint8_t> EmbeddedResourceFile() { return kResourceFile; }
")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

find_program(TUBRIX_LLVM_RC NAMES llvm-rc llvm-rc-14
             HINTS /usr/lib/llvm-14/bin /usr/lib/llvm-15/bin /usr/lib/llvm-16/bin
             DOC "llvm-rc, the resource compiler that builds the program's .res files")

set(TUBRIX_RESOURCES_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")
get_filename_component(TUBRIX_RESOURCES_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

function(tubrix_add_resources target rc_file)
  cmake_parse_arguments(ARG "" "" "INCLUDES;DEPENDS" ${ARGN})
  if(NOT TUBRIX_LLVM_RC)
    message(FATAL_ERROR "llvm-rc not found: install llvm-14 and clang-14 (scripts/install-deps), "
                        "or set TUBRIX_LLVM_RC to its path")
  endif()
  get_filename_component(rc_path "${rc_file}" ABSOLUTE)
  get_filename_component(rc_dir "${rc_path}" DIRECTORY)
  get_filename_component(rc_name "${rc_path}" NAME_WE)
  set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources")
  set(res_file "${out_dir}/${rc_name}.res")
  set(cpp_file "${out_dir}/${rc_name}_res.cpp")
  set(includes "")
  foreach(dir IN LISTS ARG_INCLUDES)
    list(APPEND includes -I "${dir}")
  endforeach()
  set(depends "")
  foreach(dep IN LISTS ARG_DEPENDS)
    get_filename_component(dep_path "${dep}" ABSOLUTE)
    list(APPEND depends "${dep_path}")
  endforeach()

  # llvm-rc runs the script through the clang next to it or on the PATH. It
  # takes Windows-style "/x" options as well as "-x", so an absolute input
  # path such as /check/... would be read as "/c heck/..." (code page): "--"
  # ends the options before the script's path.
  add_custom_command(
    OUTPUT "${res_file}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${out_dir}"
    COMMAND "${TUBRIX_LLVM_RC}" -c 65001 -I "${rc_dir}" ${includes} -fo "${res_file}" -- "${rc_path}"
    DEPENDS "${rc_path}" ${depends}
    COMMENT "Compiling resources ${rc_name}.rc"
    VERBATIM)
  add_custom_command(
    OUTPUT "${cpp_file}"
    COMMAND "${CMAKE_COMMAND}" -DINPUT=${res_file} -DOUTPUT=${cpp_file} -P "${TUBRIX_RESOURCES_SCRIPT}"
    DEPENDS "${res_file}" "${TUBRIX_RESOURCES_SCRIPT}"
    COMMENT "Embedding ${rc_name}.res"
    VERBATIM)
  set_source_files_properties("${cpp_file}" PROPERTIES
    GENERATED TRUE
    INCLUDE_DIRECTORIES "${TUBRIX_RESOURCES_SOURCE_ROOT}")
  target_sources(${target} PRIVATE "${cpp_file}")
endfunction()
