list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/localfiles.cpp
    ${KESTREL_LIST_DIR}/markupwalker.cpp
    ${KESTREL_LIST_DIR}/pagecheck.cpp
    ${KESTREL_LIST_DIR}/pageproblem.cpp
    ${KESTREL_LIST_DIR}/sitecheck.cpp
    ${KESTREL_LIST_DIR}/textpositions.cpp
    ${KESTREL_LIST_DIR}/tidycheck.cpp
    ${KESTREL_LIST_DIR}/tidymessages.cpp
)
