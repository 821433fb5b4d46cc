# One library target per source folder. Sources are picked up by glob so that a
# new class is one new .h/.cpp pair and nothing else; CONFIGURE_DEPENDS makes the
# build notice added files.

function(lodera_library name dir)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(cpps)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${A_DEPS})
  endif()
endfunction()

# One test executable per test folder, linked with googletest and a main that
# brings up a Qt application on the offscreen platform.
function(lodera_test name dir label)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(NOT cpps)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE lodera_test_support ${A_DEPS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/${dir})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ${label}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=tr_TR.UTF-8;LODERA_SOURCE_DIR=${CMAKE_SOURCE_DIR};LODERA_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
    TIMEOUT 1200)
endfunction()
