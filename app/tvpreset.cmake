# TV channel presets: the built-in channel tables and the preset of a memory group or a bank.
mavik_embed_lines(${CMAKE_CURRENT_BINARY_DIR}/tv_tables.cpp tvTableLines
                  ${PROJECT_SOURCE_DIR}/data/tv_tables.txt)

add_library(mavik_tvpreset STATIC
    ${CMAKE_CURRENT_LIST_DIR}/cmcTvPreset.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cmcTvTables.cpp
    ${CMAKE_CURRENT_BINARY_DIR}/tv_tables.cpp
)
target_include_directories(mavik_tvpreset PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(mavik_tvpreset PUBLIC mavik_appcore)
