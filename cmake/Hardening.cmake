# Optimised Linux builds are hardened as Debian hardens its own packages: checked string and
# memory functions, stack protector, format-string errors, read-only relocations resolved at
# start-up. Position-independent executables are the compiler's default there already.
# Debug builds (and with them the sanitizer build) stay as they are: fortified functions need
# optimisation, and the sanitizers bring their own checks.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

set(tbr_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options(
    "$<${tbr_optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
    "$<${tbr_optimised}:-fstack-protector-strong>"
    "$<${tbr_optimised}:-Wformat;-Werror=format-security>")
add_link_options("$<${tbr_optimised}:LINKER:-z,relro;LINKER:-z,now>")
unset(tbr_optimised)
