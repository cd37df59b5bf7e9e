# Warnings are errors for everything we write; third-party code is built without this.
function(brimlet_strict target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-qual -Wformat=2 -Wimplicit-fallthrough -Werror)
endfunction()

# Product code never throws: a failure is a result, and nothing may unwind through
# a window procedure or the mouse hook.
function(brimlet_no_exceptions target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
endfunction()
