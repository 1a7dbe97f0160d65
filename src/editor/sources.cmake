list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/longlines.cpp
    ${KESTREL_LIST_DIR}/completionstate.cpp
    ${KESTREL_LIST_DIR}/contextchecks.cpp
    ${KESTREL_LIST_DIR}/linechunks.cpp
    ${KESTREL_LIST_DIR}/scanmemo.cpp
    ${KESTREL_LIST_DIR}/headmarkup.cpp
    ${KESTREL_LIST_DIR}/tagparser.cpp
    ${KESTREL_LIST_DIR}/bodyscript.cpp
    ${KESTREL_LIST_DIR}/syntaxscanner.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/pageedit.cpp
    ${KESTREL_LIST_DIR}/htmlform.cpp
    ${KESTREL_LIST_DIR}/completionlists.cpp
    ${KESTREL_LIST_DIR}/documentlines.cpp
    ${KESTREL_LIST_DIR}/typingassist.cpp
    ${KESTREL_LIST_DIR}/pagesearch.cpp
    ${KESTREL_LIST_DIR}/pagepreview.cpp
    ${KESTREL_LIST_DIR}/findform.cpp
    ${KESTREL_LIST_DIR}/headinsert.cpp
    ${KESTREL_LIST_DIR}/aboutsform.cpp
    ${KESTREL_LIST_DIR}/txform.cpp
    ${KESTREL_LIST_DIR}/tageditor.cpp
    ${KESTREL_LIST_DIR}/linenumbergutter.cpp
    ${KESTREL_LIST_DIR}/pagelayout.cpp
    ${KESTREL_LIST_DIR}/syntaxcolouring.cpp
)
