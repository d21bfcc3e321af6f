# Compiler flags shared by every target, and the helper that turns a folder into a library.

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(VELCORA_WERROR)
  add_compile_options(-Werror)
endif()

if(VELCORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  # GCC 12's flow analysis with the sanitizers' instrumentation reports uninitialized values
  # inside the standard library (std::function in std::regex); the normal build keeps the check.
  add_compile_options(-Wno-maybe-uninitialized)
  add_link_options(-fsanitize=address,undefined)
else()
  # Hardened as Debian builds its packages: checked buffer calls where the compiler optimises,
  # stack protector and clash protection, control-flow protection, read-only relocations.
  add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection
                      $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()

# velcora_library(<target> <folder> [deps...]): every .cpp of the folder, headers included as "folder/X.h".
function(velcora_library target folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARGN})
endfunction()
