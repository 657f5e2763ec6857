# Small helpers shared by every folder's CMakeLists.txt.

function(reach_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports std::string concatenation ("0" + str) as overlapping memcpy
    # at -O2: a known false positive of that release, fixed in GCC 13.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# The common-controls manifest for this tree's architecture, and a resource
# script that embeds it: programs and test programs see the same controls.
# REACH_RELEASE_ARCH names the architecture in the release zip's name.
if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(REACH_MANIFEST_ARCH amd64)
    set(REACH_RELEASE_ARCH win64)
  else()
    set(REACH_MANIFEST_ARCH x86)
    set(REACH_RELEASE_ARCH win32)
  endif()
  set(REACH_MANIFEST ${CMAKE_BINARY_DIR}/common-controls.manifest)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/common-controls.manifest.in ${REACH_MANIFEST} @ONLY)
  set(REACH_MANIFEST_RC ${CMAKE_BINARY_DIR}/common-controls-manifest.rc)
  file(WRITE ${REACH_MANIFEST_RC}
    "#include <winuser.h>\nCREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST \"${REACH_MANIFEST}\"\n")
endif()

# One test executable = one CTest test; in the Windows trees CTest runs it through Wine.
function(reach_add_test name)
  cmake_parse_arguments(ARG "" "WORKING_DIRECTORY" "SOURCES;LIBRARIES" ${ARGN})
  if(WIN32)
    list(APPEND ARG_SOURCES ${REACH_MANIFEST_RC})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main GTest::gmock)
  reach_warnings(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(NOT ARG_WORKING_DIRECTORY)
    set(ARG_WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${ARG_WORKING_DIRECTORY})
endfunction()

# Version information (the project's version and copyright) and the
# common-controls manifest of program <target>, from the program template.
function(reach_add_program_version target description)
  set(PROGRAM_NAME ${target})
  set(PROGRAM_DESCRIPTION ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# A Windows demo program on host/: a GUI executable with version information,
# the common-controls manifest, the programs' icon (icon 1, which its forms
# show) and its form descriptions as RCDATA resources named after their files. The program's code lives in LIBRARY so that tests
# link the same forms; they add ${name}_FORMS_RC to their sources to get the
# descriptions too. COMPANIONS are the forms' binary companion files (.frx),
# RCDATA resources named like the file in capitals, as the runtime looks them
# up. MANIFEST replaces the common-controls manifest with the program's own
# template, configured with @REACH_MANIFEST_ARCH@.
function(reach_add_program name)
  cmake_parse_arguments(ARG "" "DESCRIPTION;LIBRARY;MANIFEST" "SOURCES;FORMS;COMPANIONS" ${ARGN})
  set(forms_rc ${CMAKE_CURRENT_BINARY_DIR}/${name}_forms.rc)
  set(lines "1 ICON \"${PROJECT_SOURCE_DIR}/assets/program.ico\"\n")
  set(form_paths ${PROJECT_SOURCE_DIR}/assets/program.ico)
  foreach(form ${ARG_FORMS})
    get_filename_component(form_name ${form} NAME_WE)
    string(APPEND lines "${form_name} RCDATA \"${CMAKE_CURRENT_SOURCE_DIR}/${form}\"\n")
    list(APPEND form_paths ${CMAKE_CURRENT_SOURCE_DIR}/${form})
  endforeach()
  foreach(companion ${ARG_COMPANIONS})
    get_filename_component(companion_name ${companion} NAME)
    string(TOUPPER ${companion_name} companion_name)
    string(APPEND lines "${companion_name} RCDATA \"${CMAKE_CURRENT_SOURCE_DIR}/${companion}\"\n")
    list(APPEND form_paths ${CMAKE_CURRENT_SOURCE_DIR}/${companion})
  endforeach()
  file(GENERATE OUTPUT ${forms_rc} CONTENT "${lines}")
  if(ARG_MANIFEST)
    set(REACH_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest)
    configure_file(${ARG_MANIFEST} ${REACH_MANIFEST} @ONLY)
  endif()
  add_executable(${name} WIN32 ${ARG_SOURCES} ${forms_rc})
  reach_add_program_version(${name} "${ARG_DESCRIPTION}")
  set_source_files_properties(${forms_rc} PROPERTIES OBJECT_DEPENDS "${form_paths}")
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc PROPERTIES OBJECT_DEPENDS ${REACH_MANIFEST})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARY})
  reach_warnings(${name})
  set(${name}_FORMS_RC ${forms_rc} PARENT_SCOPE)
endfunction()

# A type library made from an .idl by widl for this tree's architecture, and a
# resource script that embeds it as TYPELIB 1, as a control library carries it.
# Sets <name>_TYPELIB_RC for the sources of the module that carries it. Wine's
# development files give widl the standard .idl files and stdole2.tlb.
if(WIN32 AND CMAKE_HOST_WIN32)
  # MSYS2: its widl, the standard .idl files beside MinGW's headers, and the
  # system's own stdole2.tlb (SysWOW64 holds the 32-bit one on a 64-bit system).
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(REACH_WIDL widl --win64 CACHE STRING "widl and its architecture flag")
    set(REACH_STDOLE_DIR $ENV{SystemRoot}/System32 CACHE PATH "Folder of stdole2.tlb")
  else()
    set(REACH_WIDL widl --win32 CACHE STRING "widl and its architecture flag")
    set(REACH_STDOLE_DIR $ENV{SystemRoot}/SysWOW64 CACHE PATH "Folder of stdole2.tlb")
  endif()
  get_filename_component(compiler_root ${CMAKE_CXX_COMPILER} DIRECTORY)
  set(REACH_WIDL_INCLUDE ${compiler_root}/../include CACHE PATH "Folder of the standard .idl files")
elseif(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(REACH_WIDL x86_64-w64-mingw32-widl --win64 CACHE STRING "widl and its architecture flag")
    set(REACH_STDOLE_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows CACHE PATH "Folder of stdole2.tlb")
  else()
    set(REACH_WIDL i686-w64-mingw32-widl --win32 CACHE STRING "widl and its architecture flag")
    set(REACH_STDOLE_DIR /usr/lib/i386-linux-gnu/wine/i386-windows CACHE PATH "Folder of stdole2.tlb")
  endif()
  set(REACH_WIDL_INCLUDE /usr/include/wine/wine/windows CACHE PATH "Folder of the standard .idl files")
endif()

# Also writes the C++ declarations of its interfaces, <name>.h in the current
# binary folder, for the code that implements them.
function(reach_add_type_library name idl)
  set(tlb ${CMAKE_CURRENT_BINARY_DIR}/${name}.tlb)
  set(header ${CMAKE_CURRENT_BINARY_DIR}/${name}.h)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}_typelib.rc)
  set(widl ${REACH_WIDL} -I${REACH_WIDL_INCLUDE} -L${REACH_STDOLE_DIR})
  add_custom_command(OUTPUT ${tlb} ${header}
    COMMAND ${widl} -t -o ${tlb} ${CMAKE_CURRENT_SOURCE_DIR}/${idl}
    COMMAND ${widl} -h -o ${header} ${CMAKE_CURRENT_SOURCE_DIR}/${idl}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${idl}
    COMMENT "Type library ${name}.tlb and its declarations")
  add_custom_target(${name}_typelib DEPENDS ${tlb} ${header})
  file(GENERATE OUTPUT ${rc} CONTENT "1 TYPELIB \"${tlb}\"\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${tlb})
  set(${name}_TYPELIB_RC ${rc} PARENT_SCOPE)
endfunction()

# Version information of control library <name> in file FILE, with
# OLESelfRegister: a resource script <name>_version.rc in the current binary
# folder, its path in <name>_VERSION_RC. PRODUCT and VERSION (text such as
# "1.00") default to the project's.
function(reach_add_control_library_version name)
  cmake_parse_arguments(ARG "" "FILE;DESCRIPTION;PRODUCT;VERSION" "" ${ARGN})
  set(LIBRARY_NAME ${name})
  set(LIBRARY_FILE ${ARG_FILE})
  set(LIBRARY_DESCRIPTION ${ARG_DESCRIPTION})
  set(LIBRARY_PRODUCT "Win32 reach")
  if(ARG_PRODUCT)
    set(LIBRARY_PRODUCT ${ARG_PRODUCT})
  endif()
  set(LIBRARY_VERSION ${PROJECT_VERSION})
  if(ARG_VERSION)
    set(LIBRARY_VERSION ${ARG_VERSION})
  endif()
  # The numeric version: the text's parts, "00" read as 0, padded to four.
  string(REPLACE "." ";" parts ${LIBRARY_VERSION})
  set(numbers)
  foreach(part ${parts} 0 0 0)
    math(EXPR number "${part}")
    list(APPEND numbers ${number})
  endforeach()
  list(SUBLIST numbers 0 4 numbers)
  string(REPLACE ";" "," LIBRARY_VERSION_NUMBERS "${numbers}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/control_library.rc.in ${rc} @ONLY)
  set(${name}_VERSION_RC ${rc} PARENT_SCOPE)
endfunction()

# A control library served by the runtime: a DLL named <name><SUFFIX> (".ocx"
# unless given) in the tree's bin/ (tests/ with TEST), with its type library
# made from IDL as TYPELIB 1, the exports and ordinals of DEF, and version
# information as above.
function(reach_add_control_library name)
  cmake_parse_arguments(ARG "TEST" "IDL;DEF;SUFFIX;DESCRIPTION;PRODUCT;VERSION" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_SUFFIX)
    set(ARG_SUFFIX .ocx)
  endif()
  reach_add_type_library(${name} ${ARG_IDL})
  reach_add_control_library_version(${name} FILE ${name}${ARG_SUFFIX} DESCRIPTION "${ARG_DESCRIPTION}"
                                    PRODUCT "${ARG_PRODUCT}" VERSION "${ARG_VERSION}")
  add_library(${name} SHARED ${ARG_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DEF} ${${name}_TYPELIB_RC}
              ${${name}_VERSION_RC})
  add_dependencies(${name} ${name}_typelib)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${name} PRIVATE host ${ARG_LIBRARIES})
  set(folder bin)
  if(ARG_TEST)
    set(folder tests)
  endif()
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ${ARG_SUFFIX}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${folder})
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The .def names the exports as callers know them; 32-bit code decorates
    # them (DllGetClassObject@12), which the linker matches without a warning.
    target_link_options(${name} PRIVATE -Wl,--enable-stdcall-fixup)
  endif()
  reach_warnings(${name})
endfunction()

# Registers control library <name> in the test prefix before the tests that
# name the fixture <name>_registered (FIXTURES_REQUIRED), and unregisters it
# after them.
function(reach_register_for_tests name)
  foreach(step register unregister)
    set(switches /s)
    if(step STREQUAL unregister)
      set(switches /u /s)
    endif()
    add_test(NAME ${name}_${step} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} regsvr32 ${switches} $<TARGET_FILE_NAME:${name}>
             WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>)
  endforeach()
  set_tests_properties(${name}_register PROPERTIES FIXTURES_SETUP ${name}_registered)
  set_tests_properties(${name}_unregister PROPERTIES FIXTURES_CLEANUP ${name}_registered)
endfunction()
