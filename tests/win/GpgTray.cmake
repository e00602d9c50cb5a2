# The Wine tests of the GnuPG tray program (win/Gpg*.cpp, in win_tests): its pipe runner
# against a helper that echoes, its window and dialogs with a GnuPG double that replays the
# recorded runs of tests/gpgtray/transcripts, and the whole of Tervane 5 with it.
set(GPGTRAY_TEST_PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/gpgtray)
add_executable(EchoStreams win/helpers/EchoStreams.cpp)
add_executable(GpgDouble win/helpers/GpgDouble.cpp gpgtray/Transcript.cpp)
target_include_directories(GpgDouble PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
foreach(helper EchoStreams GpgDouble)
    set_target_properties(${helper} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GPGTRAY_TEST_PROGRAMS})
    tervane_warnings(${helper})
endforeach()

target_sources(win_tests PRIVATE gpgtray/Transcript.cpp)
target_link_libraries(win_tests PRIVATE gpgtray_win32)
add_dependencies(win_tests TervaneGpg EchoStreams GpgDouble)

# The programs' paths as the Windows side names them.
function(gpgtray_wine_path variable path)
    string(REPLACE "/" "\\\\" windows "Z:${path}")
    set(${variable} "${windows}" PARENT_SCOPE)
endfunction()
gpgtray_wine_path(tervane_gpg_exe ${CMAKE_BINARY_DIR}/gpgtray/TervaneGpg.exe)
gpgtray_wine_path(echo_streams_exe ${GPGTRAY_TEST_PROGRAMS}/EchoStreams.exe)
gpgtray_wine_path(gpg_double_exe ${GPGTRAY_TEST_PROGRAMS}/GpgDouble.exe)
gpgtray_wine_path(gpg_transcripts ${CMAKE_CURRENT_SOURCE_DIR}/gpgtray/transcripts)
target_compile_definitions(win_tests PRIVATE
    TERVANE_GPG_EXE="${tervane_gpg_exe}" ECHO_STREAMS_EXE="${echo_streams_exe}"
    GPG_DOUBLE_EXE="${gpg_double_exe}" GPG_TRANSCRIPTS="${gpg_transcripts}")

# Shows the recipients dialog or the text window for scripts/screenshots, with the tests'
# installation of the program.
add_executable(GpgTrayScreens win/helpers/GpgTrayScreens.cpp win/GpgTrayInstall.cpp
    win/StandinProgram.cpp win/InstalledProgram.cpp win/NotificationArea.cpp
    win/PGPTrayStandin.cpp win/TestDir.cpp win/DriversInWinIni.cpp win/BuildTree.cpp
    gpgtray/Transcript.cpp)
target_include_directories(GpgTrayScreens PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
target_compile_definitions(GpgTrayScreens PRIVATE $<TARGET_PROPERTY:win_tests,COMPILE_DEFINITIONS>)
target_link_libraries(GpgTrayScreens PRIVATE tervane_win32 gpgtray_win32)
set_target_properties(GpgTrayScreens PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GPGTRAY_TEST_PROGRAMS})
tervane_warnings(GpgTrayScreens)
