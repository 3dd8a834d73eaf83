# The English string table as C++ initialisers ({IDS_..., "text"},) for the tests' text source,
# which has no resources to load: generated from common/resources/texts_en.rc at configure time,
# so the tests read the very texts the programs carry.
set(LUMIVO_ENGLISH_TEXTS ${CMAKE_SOURCE_DIR}/common/resources/texts_en.rc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LUMIVO_ENGLISH_TEXTS})
file(STRINGS ${LUMIVO_ENGLISH_TEXTS} entries ENCODING UTF-8
    REGEX "^[ \t]+IDS_[A-Z0-9_]+[ \t]+\".*\"[ \t]*$")
set(initialisers "")
foreach(entry IN LISTS entries)
    string(REGEX MATCH "^[ \t]+(IDS_[A-Z0-9_]+)[ \t]+\"(.*)\"[ \t]*$" matched "${entry}")
    set(id ${CMAKE_MATCH_1})
    set(text "${CMAKE_MATCH_2}")
    # A resource file doubles a quote; C++ escapes it. The other escapes are the same in both.
    string(REPLACE "\"\"" "\\\"" text "${text}")
    string(APPEND initialisers "{${id}, \"${text}\"},\n")
endforeach()
file(CONFIGURE OUTPUT ${LUMIVO_GENERATED_DIR}/english_texts.inc CONTENT "${initialisers}")
