# Every usage line mavik-cli and mavik-sim print appears, word for word, in the synopsis of
# their manual pages; every fault the simulator knows has its entry; the usage exit status the
# programs give is listed. Run with -DCLI=<mavik-cli> -DSIM=<mavik-sim> -DPAGES=<folder>.

# The text of a manual page with its macros and font changes taken out and its blanks
# collapsed, so that it reads as the formatted page does.
function(page_text file out)
    file(READ ${file} roff)
    string(REGEX REPLACE "\\\\f[BIRP]" "" roff "${roff}")
    string(REPLACE "\\-" "-" roff "${roff}")
    string(REPLACE "\\&" "" roff "${roff}")
    string(REGEX REPLACE "(^|\n)\\.[A-Z]+[ \t]*" "\\1" roff "${roff}")
    string(REGEX REPLACE "[ \t\n]+" " " roff "${roff}")
    set(${out} "${roff}" PARENT_SCOPE)
endfunction()

function(collapse text out)
    string(REGEX REPLACE "[ \t\n]+" " " text "${text}")
    string(STRIP "${text}" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# expect(<if condition> <message>): an error, and the script goes on to the next check.
function(expect condition message)
    cmake_language(EVAL CODE "if(NOT (${condition}))\n message(SEND_ERROR \"\${message}\")\nendif()")
endfunction()

# mavik-cli: its usage text (no command) is one line per command.
execute_process(COMMAND ${CLI} RESULT_VARIABLE status ERROR_VARIABLE usage OUTPUT_QUIET)
expect("status EQUAL 64" "mavik-cli without a command gave ${status}, not 64")
page_text(${PAGES}/mavik-cli.1 cli_page)
string(REGEX MATCHALL "  mavik-cli [^\n]+" cli_lines "${usage}")
list(LENGTH cli_lines count)
expect("count GREATER_EQUAL 10" "mavik-cli's usage text gave ${count} command lines")
foreach(line ${cli_lines})
    collapse("${line}" line)
    string(FIND "${cli_page}" "${line}" at)
    expect("NOT at EQUAL -1" "mavik-cli.1 lacks the usage line: ${line}")
endforeach()
string(FIND "${cli_page}" "EXIT STATUS" exits)
string(FIND "${cli_page}" " 64 Usage error" usage_status)
expect("usage_status GREATER exits" "mavik-cli.1 does not list exit status 64 for usage errors")

# mavik-sim: the usage is one command line over two lines, then the list of faults.
execute_process(COMMAND ${SIM} --help RESULT_VARIABLE status ERROR_VARIABLE usage OUTPUT_QUIET)
expect("status EQUAL 64" "mavik-sim --help gave ${status}, not 64")
page_text(${PAGES}/mavik-sim.1 sim_page)
string(REGEX MATCH "  mavik-sim [^\n]+\n( +[^\n]+\n)*" sim_usage "${usage}")
collapse("${sim_usage}" sim_usage)
expect("sim_usage" "mavik-sim printed no usage line")
string(FIND "${sim_page}" "${sim_usage}" at)
expect("NOT at EQUAL -1" "mavik-sim.1 lacks the usage: ${sim_usage}")
string(REGEX MATCH "Faults: [^.]+\\." faults "${usage}")
string(REGEX REPLACE "^Faults: |\\.$" "" faults "${faults}")
string(REGEX REPLACE "[ \n]*,[ \n]*" ";" faults "${faults}")
list(LENGTH faults count)
expect("count GREATER_EQUAL 14" "mavik-sim's usage gave ${count} faults")
file(READ ${PAGES}/mavik-sim.1 sim_roff)
string(REPLACE "\\-" "-" sim_roff "${sim_roff}")
foreach(fault ${faults})
    string(FIND "${sim_roff}" "\n.B ${fault}\n" at)
    expect("NOT at EQUAL -1" "mavik-sim.1 has no entry for the fault ${fault}")
endforeach()
string(FIND "${sim_page}" " 64 Usage error" usage_status)
expect("NOT usage_status EQUAL -1" "mavik-sim.1 does not list exit status 64 for usage errors")
