list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/colorsetting.cpp
    ${KESTREL_LIST_DIR}/cssblocks.cpp
    ${KESTREL_LIST_DIR}/cssdeclarations.cpp
    ${KESTREL_LIST_DIR}/sizesetting.cpp
    ${KESTREL_LIST_DIR}/stylesheet.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/colordialog.cpp
    ${KESTREL_LIST_DIR}/styledialog.cpp
    ${KESTREL_LIST_DIR}/stylesheetdialog.cpp
    ${KESTREL_LIST_DIR}/sizedialog.cpp
    ${KESTREL_LIST_DIR}/stylewrap.cpp
)
