# The logic of the common settings and bank name pages, on an image through the cell requests.
mavik_test(test_pages_common
    SOURCES
        ${PROJECT_SOURCE_DIR}/tests/app/qt_main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_cmcCommonCells.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_cmcBankLink.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_cmcBankNameCells.cpp
        ${CMAKE_CURRENT_LIST_DIR}/test_cmcDestinationDirective.cpp
    LIBS mavik_pagescore)
