list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/conversiontables.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/convertdocument.cpp
)
list(APPEND KESTREL_RESOURCE_FILES
    ${CMAKE_SOURCE_DIR}/resources/tables/big5-to-gb2312.bin
    ${CMAKE_SOURCE_DIR}/resources/tables/gb2312-to-big5.bin
    ${CMAKE_SOURCE_DIR}/resources/tables/gbk-to-big5.bin
)
list(APPEND KESTREL_CORE_SOURCES ${KESTREL_LIST_DIR}/textimport.cpp)
list(APPEND KESTREL_UI_SOURCES ${KESTREL_LIST_DIR}/textimportdialog.cpp)
