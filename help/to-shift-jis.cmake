# cmake -DICONV=path -DIN=file -DOUT=file -P to-shift-jis.cmake
#
# Writes IN, a UTF-8 help source, to OUT in Shift_JIS and makes its charset declaration say so.
# HTML Help reads the titles, the contents and the index of a Japanese help file (language 0x411)
# in that code page, and the full-text search indexes the pages as they are stored.
file(READ "${IN}" text)
string(REPLACE "charset=utf-8" "charset=Shift_JIS" text "${text}")
file(WRITE "${OUT}.utf8" "${text}")
execute_process(
    COMMAND "${ICONV}" -f UTF-8 -t CP932 -o "${OUT}" "${OUT}.utf8"
    RESULT_VARIABLE result)
file(REMOVE "${OUT}.utf8")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${IN}: text that Shift_JIS cannot hold")
endif()
