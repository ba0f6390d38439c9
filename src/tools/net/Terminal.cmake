# The simple terminal; kept apart from the other network tools' list.
target_sources(wf_logic PRIVATE ${CMAKE_CURRENT_LIST_DIR}/TerminalSession.cpp)
if(WIN32)
  target_sources(wf_win PRIVATE ${CMAKE_CURRENT_LIST_DIR}/frmSimpleTerminal.cpp)
  target_sources(wf_res PRIVATE ${CMAKE_CURRENT_LIST_DIR}/frmSimpleTerminal.rc)
  target_include_directories(wf_res PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endif()
