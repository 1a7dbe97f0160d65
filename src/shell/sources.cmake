list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/commandline.cpp
    ${KESTREL_LIST_DIR}/displaycheck.cpp
    ${KESTREL_LIST_DIR}/handoverreader.cpp
    ${KESTREL_LIST_DIR}/pageplaces.cpp
)
# --version prints the project's version.
set_source_files_properties(${KESTREL_LIST_DIR}/commandline.cpp PROPERTIES
                            COMPILE_DEFINITIONS KESTREL_VERSION="${PROJECT_VERSION}")
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/aboutdialog.cpp
    ${KESTREL_LIST_DIR}/builderdialogs.cpp
    ${KESTREL_LIST_DIR}/commandregistry.cpp
    ${KESTREL_LIST_DIR}/findresultsdock.cpp
    ${KESTREL_LIST_DIR}/matchdelegate.cpp
    ${KESTREL_LIST_DIR}/framesettings.cpp
    ${KESTREL_LIST_DIR}/handoverqueue.cpp
    ${KESTREL_LIST_DIR}/mainframe.cpp
    ${KESTREL_LIST_DIR}/pagechecker.cpp
    ${KESTREL_LIST_DIR}/problemmodel.cpp
    ${KESTREL_LIST_DIR}/problemsdock.cpp
    ${KESTREL_LIST_DIR}/programicon.cpp
    ${KESTREL_LIST_DIR}/recoverydialog.cpp
    ${KESTREL_LIST_DIR}/recoverykeeper.cpp
    ${KESTREL_LIST_DIR}/singleinstance.cpp
    ${KESTREL_LIST_DIR}/sitefilefilter.cpp
    ${KESTREL_LIST_DIR}/sitefileinsert.cpp
    ${KESTREL_LIST_DIR}/sitefilesdock.cpp
    ${KESTREL_LIST_DIR}/startup.cpp
    ${KESTREL_LIST_DIR}/stylesheetcommands.cpp
    ${KESTREL_LIST_DIR}/toolbaricons.cpp
    ${KESTREL_LIST_DIR}/translations.cpp
)
list(APPEND KESTREL_RESOURCE_FILES ${CMAKE_SOURCE_DIR}/resources/about/about.html)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND KESTREL_RESOURCE_FILES ${CMAKE_SOURCE_DIR}/resources/icons/kestrel-${size}.png)
endforeach()
