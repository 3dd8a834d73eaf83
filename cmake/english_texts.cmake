# The English string table as C++ initialisers ({IDS_..., "text"},) for the tests' text source,
# which has no resources to load: generated from common/resources/texts_en.rc at configure time,
# so the tests read the very texts the programs carry.
set(LUMIVO_ENGLISH_TEXTS ${CMAKE_SOURCE_DIR}/common/resources/texts_en.rc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LUMIVO_ENGLISH_TEXTS})
file(STRINGS ${LUMIVO_ENGLISH_TEXTS} entries ENCODING UTF-8
    REGEX "^[ \t]+IDS_[A-Z0-9_]+[ \t]+\".*\"[ \t]*$")
set(initialisers "")
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^[ \t]+(IDS_[A-Z0-9_]+)[ \t]+\"(.*)\"[ \t]*$" "\\1;\\2" parts "${entry}")
    list(GET parts 0 id)
    list(GET parts 1 text)
    # A resource file doubles a quote; C++ escapes it. The other escapes are the same in both.
    string(REPLACE "\"\"" "\\\"" text "${text}")
    string(APPEND initialisers "{${id}, \"${text}\"},\n")
endforeach()
file(CONFIGURE OUTPUT ${LUMIVO_GENERATED_DIR}/english_texts.inc CONTENT "${initialisers}")
