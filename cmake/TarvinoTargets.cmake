# Common settings for every target of our own.

function(tarvino_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TARVINO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE QT_DISABLE_DEPRECATED_BEFORE=0x060400)
endfunction()

if(TARVINO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TARVINO_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(TARVINO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # Compressed debug sections: the two hundred test programs otherwise fill 25 GB of disk.
  add_compile_options(-gz)
  add_link_options(-gz)
endif()

# tarvino_add_library(<name> [SOURCES ...] [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# A static library with public headers in include/<name>/ and sources in src/. Static, so that
# the program starts without looking up symbols across a dozen more shared objects.
function(tarvino_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  tarvino_compile_options(${name})
endfunction()

# tarvino_add_test(<name> SOURCES ... [LIBS ...] [ENV VAR=value ...])
# A Qt Test executable run by CTest in an isolated home (see tests/run-isolated).
function(tarvino_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  tarvino_compile_options(${name})
  tarvino_register_test(${name} ${name} ENV ${ARG_ENV})
endfunction()

# tarvino_register_test(<test name> <executable target> [ENV VAR=value ...] [ARGS ...])
# Registers one more CTest run of an existing test executable. Its label is the name of the folder
# it is registered from (tests/platform/storage -> "storage"), so that "ctest -L storage" runs
# one area.
function(tarvino_register_test testname target)
  cmake_parse_arguments(ARG "" "" "ENV;ARGS" ${ARGN})
  get_filename_component(area "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  add_test(NAME ${testname}
    COMMAND ${PROJECT_SOURCE_DIR}/tests/run-isolated $<TARGET_FILE:${target}> ${ARG_ARGS})
  set_tests_properties(${testname} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;QT_QML_IMPORT_PATH=${CMAKE_BINARY_DIR}/qml;${ARG_ENV}"
    TIMEOUT 300
    LABELS "${area}")
endfunction()
