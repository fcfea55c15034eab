# jiakao_sample_bank(TARGET name SUBJECT 1|4 BANK Test.db PICTURES Image.db)
# Builds a sample bank from the source folder that calls it (questions.csv and pictures/) into
# the top of the build folder, beside the trainer. An existing bank keeps its learner data
# across rebuilds.
function(jiakao_sample_bank)
    cmake_parse_arguments(S "" "TARGET;SUBJECT;BANK;PICTURES" "" ${ARGN})
    if(NOT TARGET jiakao-bank)
        return()
    endif()
    file(GLOB pictures CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*.png
        ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*.bmp
        ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*.gif)
    add_custom_command(
        OUTPUT ${CMAKE_BINARY_DIR}/${S_BANK} ${CMAKE_BINARY_DIR}/${S_PICTURES}
        COMMAND $<TARGET_FILE:jiakao-bank> build --subject ${S_SUBJECT}
                ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_BINARY_DIR}
        DEPENDS jiakao-bank ${CMAKE_CURRENT_SOURCE_DIR}/questions.csv ${pictures}
        COMMENT "Building the sample question bank ${S_BANK}"
        VERBATIM)
    add_custom_target(${S_TARGET} ALL
        DEPENDS ${CMAKE_BINARY_DIR}/${S_BANK} ${CMAKE_BINARY_DIR}/${S_PICTURES})
endfunction()
