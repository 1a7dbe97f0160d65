list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/jsstatement.cpp
    ${KESTREL_LIST_DIR}/pageeffect.cpp
    ${KESTREL_LIST_DIR}/elementeffect.cpp
    ${KESTREL_LIST_DIR}/scriptblock.cpp
    ${KESTREL_LIST_DIR}/windowfeatures.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/scriptcalldialog.cpp
    ${KESTREL_LIST_DIR}/pageeffectdialog.cpp
    ${KESTREL_LIST_DIR}/elementeffectdialog.cpp
    ${KESTREL_LIST_DIR}/scriptdialog.cpp
)
