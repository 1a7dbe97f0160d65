list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/elementfield.cpp
    ${KESTREL_LIST_DIR}/elementkind.cpp
    ${KESTREL_LIST_DIR}/elementmarkup.cpp
    ${KESTREL_LIST_DIR}/eventsettings.cpp
    ${KESTREL_LIST_DIR}/genericelement.cpp
    ${KESTREL_LIST_DIR}/otherattributes.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/addform.cpp
    ${KESTREL_LIST_DIR}/addhform.cpp
    ${KESTREL_LIST_DIR}/addotherform.cpp
    ${KESTREL_LIST_DIR}/eform.cpp
    ${KESTREL_LIST_DIR}/elementframes.cpp
    ${KESTREL_LIST_DIR}/fieldframe.cpp
    ${KESTREL_LIST_DIR}/hrframe.cpp
    ${KESTREL_LIST_DIR}/hsetform.cpp
    ${KESTREL_LIST_DIR}/kindframe.cpp
    ${KESTREL_LIST_DIR}/linkframe.cpp
    ${KESTREL_LIST_DIR}/otherform.cpp
    ${KESTREL_LIST_DIR}/selectframe.cpp
    ${KESTREL_LIST_DIR}/ulframe.cpp
)
