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
  # Each test program runs from a folder of its own, with its own user
  # configuration and runtime folders: the program keeps Lodera.ini next to
  # its executable, win.ini in the configuration folder and its single-instance
  # lock in the runtime folder, and test programs run in parallel must not
  # share any of them.
  set(home ${CMAKE_BINARY_DIR}/testrun/${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${home})
  file(MAKE_DIRECTORY ${home}/config ${home}/runtime)
  file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${home})
  set_tests_properties(${name} PROPERTIES LABELS ${label}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=tr_TR.UTF-8;LODERA_SOURCE_DIR=${CMAKE_SOURCE_DIR};LODERA_BIN_DIR=${CMAKE_BINARY_DIR}/bin;XDG_CONFIG_HOME=${home}/config;XDG_RUNTIME_DIR=${home}/runtime"
    TIMEOUT 1200)
endfunction()
