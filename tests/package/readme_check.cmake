# The README shows the driver dialog test that the package test builds and runs, to the character,
# so that the README never shows code that does not work. Arguments: README, SOURCE.
file(READ ${README} readme)
file(READ ${SOURCE} source)
string(FIND "${readme}" "```cpp\n${source}```\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${README} does not show ${SOURCE} as it is: copy the file into its cpp block")
endif()
