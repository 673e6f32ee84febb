# Shared compile settings for every target of the project.
function(corlinth_target_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(CORLINTH_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(CORLINTH_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
