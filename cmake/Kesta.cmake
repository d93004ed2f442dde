# Small helpers so that each folder's CMakeLists.txt stays a few lines.

# kesta_library(NAME [SOURCES files...] [GLOB] [SHARED] DEPENDS libs...)
# With GLOB the library takes every .cpp file of the calling folder.
function(kesta_library name)
  cmake_parse_arguments(K "GLOB;SHARED" "" "SOURCES;DEPENDS;EXCLUDE" ${ARGN})
  set(srcs ${K_SOURCES})
  if(K_GLOB)
    file(GLOB globbed CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(ex ${K_EXCLUDE})
      list(FILTER globbed EXCLUDE REGEX "/${ex}$")
    endforeach()
    list(APPEND srcs ${globbed})
  endif()
  if(K_SHARED)
    add_library(${name} SHARED ${srcs})
  else()
    add_library(${name} STATIC ${srcs})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${K_DEPENDS})
endfunction()

# kesta_test(NAME DEPENDS libs...): every .cpp of the calling test folder
# becomes one GoogleTest program, registered with CTest.
function(kesta_test name)
  cmake_parse_arguments(K "" "" "DEPENDS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${K_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  # The source and build folders are compiled in (KESTA_SOURCE_DIR,
  # KESTA_BUILD_DIR): a list of variables given to the discovered tests'
  # ENVIRONMENT keeps only its first entry.
  target_compile_definitions(${name} PRIVATE
    KESTA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" KESTA_BUILD_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KESTA_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# kesta_all_libraries(OUT): every library of the code folders that exists,
# highest layer first, for programs that may call any of them (benchmarks,
# fuzz targets). Call it after the code folders are added.
function(kesta_all_libraries out)
  set(libs)
  foreach(lib kesta_cmd kesta_commands kesta_host kesta_module kesta_rules kesta_editor
              kesta_dictbuild kesta_engine kesta_settings kesta_platform)
    if(TARGET ${lib})
      list(APPEND libs ${lib})
    endif()
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()
