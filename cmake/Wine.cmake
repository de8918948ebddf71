# use_wine_prefix(<prefix> <test>...): the tests run their Windows programs
# under Wine, in a prefix that the test run creates itself, with one server
# started for the whole run and stopped after it.
function(use_wine_prefix prefix)
  get_filename_component(wine_dir ${CMAKE_CROSSCOMPILING_EMULATOR} DIRECTORY)
  find_program(WINESERVER NAMES wineserver64 wineserver HINTS ${wine_dir} REQUIRED)
  # No Mono or Gecko: the programs are console programs.
  set(environment WINEPREFIX=${prefix} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
  # The server needs the prefix folder to start in. It and the services that
  # wineboot starts outlive the test, so they must not hold its output open:
  # CTest would wait for them.
  set(log ${prefix}.log)
  add_test(NAME wine.start
    COMMAND sh -c "{ mkdir -p '${prefix}' && '${WINESERVER}' --persistent &&
                     '${CMAKE_CROSSCOMPILING_EMULATOR}' wineboot --init; } \
                   </dev/null >'${log}' 2>&1 || { cat '${log}'; exit 1; }")
  add_test(NAME wine.stop COMMAND ${WINESERVER} --kill)
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${environment}" TIMEOUT 900)
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${environment}")
  set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${environment}")
endfunction()
