list(APPEND KESTREL_CORE_SOURCES
    ${KESTREL_LIST_DIR}/charsetlabels.cpp
    ${KESTREL_LIST_DIR}/codepages.cpp
    ${KESTREL_LIST_DIR}/filestamp.cpp
    ${KESTREL_LIST_DIR}/helpers.cpp
    ${KESTREL_LIST_DIR}/listfile.cpp
    ${KESTREL_LIST_DIR}/inplacewriter.cpp
    ${KESTREL_LIST_DIR}/pagecodec.cpp
    ${KESTREL_LIST_DIR}/pagefile.cpp
    ${KESTREL_LIST_DIR}/piecedecoder.cpp
    ${KESTREL_LIST_DIR}/previewjournal.cpp
    ${KESTREL_LIST_DIR}/recoverystore.cpp
    ${KESTREL_LIST_DIR}/rewritejournal.cpp
    ${KESTREL_LIST_DIR}/scratchpage.cpp
    ${KESTREL_LIST_DIR}/programstate.cpp
    ${KESTREL_LIST_DIR}/siteaccess.cpp
)
list(APPEND KESTREL_UI_SOURCES
    ${KESTREL_LIST_DIR}/browserview.cpp
    ${KESTREL_LIST_DIR}/builderdialog.cpp
    ${KESTREL_LIST_DIR}/dialogbuttons.cpp
    ${KESTREL_LIST_DIR}/filedialog.cpp
    ${KESTREL_LIST_DIR}/formkit.cpp
    ${KESTREL_LIST_DIR}/messages.cpp
    ${KESTREL_LIST_DIR}/previewpane.cpp
    ${KESTREL_LIST_DIR}/uihelpers.cpp
    ${KESTREL_LIST_DIR}/browserplugin.h
)
