# Every target of the project builds with these warnings. They are errors only
# where FOCIMETRA_WERROR asks for it (the project's own checks): a newer compiler's
# new warning must not break a packager's build.
option(FOCIMETRA_WERROR "Treat compiler warnings as errors" OFF)

function(focimetra_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
  if(FOCIMETRA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
