# Compiler options of a fuzz build, set before any library is added so the
# calendar, the builders and the companion carry libFuzzer's coverage hooks
# and the sanitizers' checks too.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TARVOLO_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()
if(TARVOLO_GUI OR TARVOLO_SANITIZE)
  message(FATAL_ERROR "TARVOLO_FUZZ takes its own build folder with TARVOLO_GUI=OFF and TARVOLO_SANITIZE=OFF")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
  -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
# At the top level, so ctest finds the fuzz tests from the build folder.
enable_testing()
