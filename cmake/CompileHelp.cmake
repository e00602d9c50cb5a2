# Compiles the help project into a .chm with chmcmd:
#   cmake -DCHMCMD=... -DPROJECT_FILE=help/Tervane5.hhp -DSTAGE=dir -DOUTPUT=file.chm -P CompileHelp.cmake
#
# chmcmd 3.2.2 stores the page of each mapped context as the page's absolute path on the
# building machine (the project's directory followed by the page), and the help viewer then
# looks inside the compiled file for a page of that name. So the project is compiled from a
# staging directory in which every page is also found under that path, relative to the
# directory itself: a context opens the copy whose name is the one the map holds.
cmake_minimum_required(VERSION 3.25)

get_filename_component(source "${PROJECT_FILE}" DIRECTORY)
get_filename_component(project_name "${PROJECT_FILE}" NAME)
file(REMOVE_RECURSE "${STAGE}")
string(REGEX REPLACE "^/" "" mirror "${STAGE}")

# The project's lines, with each file of [FILES] listed again under the mirror.
file(STRINGS "${PROJECT_FILE}" lines)
set(project "")
set(section "")
foreach(line IN LISTS lines)
    if(line MATCHES "^\\[(.*)\\]$")
        set(section "${CMAKE_MATCH_1}")
    elseif(section STREQUAL "FILES" AND NOT line STREQUAL "")
        file(COPY "${source}/${line}" DESTINATION "${STAGE}")
        file(COPY "${source}/${line}" DESTINATION "${STAGE}/${mirror}")
        string(APPEND project "${mirror}/${line}\n")
    endif()
    string(APPEND project "${line}\n")
endforeach()
file(GLOB contents "${source}/*.hhc")
file(COPY ${contents} DESTINATION "${STAGE}")
file(WRITE "${STAGE}/${project_name}" "${project}")

execute_process(COMMAND "${CHMCMD}" "${project_name}" WORKING_DIRECTORY "${STAGE}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
string(REGEX REPLACE "\\.hhp$" ".chm" compiled "${STAGE}/${project_name}")
if(NOT result EQUAL 0 OR NOT EXISTS "${compiled}" OR output MATCHES "[Ee]rror|does not exist")
    message(FATAL_ERROR "chmcmd could not compile ${PROJECT_FILE}:\n${output}")
endif()
file(COPY_FILE "${compiled}" "${OUTPUT}")
