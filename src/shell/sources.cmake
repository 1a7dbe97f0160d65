list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/aboutform.cpp
    ${KESTREL_LIST_DIR}/builderdialogs.cpp
    ${KESTREL_LIST_DIR}/mdiform1.cpp
    ${KESTREL_LIST_DIR}/startup.cpp
    ${KESTREL_LIST_DIR}/stylesheetcommands.cpp
    ${KESTREL_LIST_DIR}/toolbaricons.cpp
)
list(APPEND KESTREL_RESOURCE_FILES ${CMAKE_SOURCE_DIR}/resources/about/about.html)
