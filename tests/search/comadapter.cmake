# Compiles and links the archive's automation adapter for 64-bit Windows with
# the MinGW-w64 cross compiler, so the Windows-only code is checked here too.
find_program(MINGW_CXX x86_64-w64-mingw32-g++)
if(NOT MINGW_CXX)
  message(FATAL_ERROR "x86_64-w64-mingw32-g++ not found: install g++-mingw-w64-x86-64")
endif()
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${MINGW_CXX} -std=c++20 -Wall -Wextra -Werror -I${SOURCE_DIR}/src
          ${SOURCE_DIR}/src/search/comcore.cpp ${SOURCE_DIR}/tests/search/comadapter_main.cpp
          -o ${WORK_DIR}/comadapter.exe -lole32 -loleaut32 -luuid
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the automation adapter does not build for Windows")
endif()
