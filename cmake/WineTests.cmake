# Cross builds run their test programs under Wine, in a prefix of the build's own, through the
# emulator wrapper; native builds run them directly.
if(CMAKE_CROSSCOMPILING AND VANTOR_WINE)
  set(VANTOR_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  # With both halves of Wine installed, plain wine starts Wine's own programs (regsvr32, cscript)
  # in their 32-bit builds: a 64-bit build runs them through the 64-bit loader.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8 AND EXISTS /usr/lib/wine/wine64)
    set(VANTOR_WINE_LOADER /usr/lib/wine/wine64)
  else()
    set(VANTOR_WINE_LOADER wine)
  endif()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()

include(GoogleTest)

# One GoogleTest program: each test case is a CTest test natively; under Wine the whole program is
# one test, since every Wine start costs a fraction of a second.
function(vantor_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT 600)
  else()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 300)
  endif()
endfunction()
