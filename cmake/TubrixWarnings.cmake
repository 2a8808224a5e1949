# Warnings are set per target and kept private, so that a consumer of a
# library target does not inherit our flags.
#
# The chamber arithmetic must round every operation on its own: no fused
# multiply-add and no value-changing optimisations anywhere in the project.
function(tubrix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -ffp-contract=off)
  if(TUBRIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
