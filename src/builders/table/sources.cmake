list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/tablemarkup.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/tablegriddialog.cpp
)
