list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/numbertext.cpp
    ${KESTREL_LIST_DIR}/tagdb.cpp
)
