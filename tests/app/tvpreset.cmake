mavik_test(test_tvPreset
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/qt_main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_tvPreset.cpp
    LIBS mavik_tvpreset)
