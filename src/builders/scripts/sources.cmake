list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/jsstatement.cpp
    ${KESTREL_LIST_DIR}/pageeffect.cpp
    ${KESTREL_LIST_DIR}/elementeffect.cpp
    ${KESTREL_LIST_DIR}/scriptblock.cpp
    ${KESTREL_LIST_DIR}/windowfeatures.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/jsform.cpp
    ${KESTREL_LIST_DIR}/javaform.cpp
    ${KESTREL_LIST_DIR}/maketxform.cpp
    ${KESTREL_LIST_DIR}/scriptform.cpp
)
