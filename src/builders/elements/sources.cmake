list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/elementfield.cpp
    ${KESTREL_LIST_DIR}/elementkind.cpp
    ${KESTREL_LIST_DIR}/elementmarkup.cpp
    ${KESTREL_LIST_DIR}/formbuttons.cpp
    ${KESTREL_LIST_DIR}/mediavalues.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/addhform.cpp
    ${KESTREL_LIST_DIR}/addimgframe.cpp
    ${KESTREL_LIST_DIR}/elementframes.cpp
    ${KESTREL_LIST_DIR}/embedframe.cpp
    ${KESTREL_LIST_DIR}/fieldframe.cpp
    ${KESTREL_LIST_DIR}/formframe.cpp
    ${KESTREL_LIST_DIR}/hrframe.cpp
    ${KESTREL_LIST_DIR}/kindframe.cpp
    ${KESTREL_LIST_DIR}/linkframe.cpp
    ${KESTREL_LIST_DIR}/marqueeframe.cpp
    ${KESTREL_LIST_DIR}/selectframe.cpp
)
