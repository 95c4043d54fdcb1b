# Makes the Windows program's folder, its zip and its installer in the build tree BUILD, all
# named NAME: cmake -DBUILD=... -DNAME=... -DSTRIP=... -DINSTALLER=installer.nsi -P package.cmake
set(folder ${BUILD}/${NAME})
file(REMOVE_RECURSE ${folder})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${folder}
    COMMAND_ERROR_IS_FATAL ANY)
# Without debug symbols or symbol tables: only what runs.
file(GLOB_RECURSE binaries ${folder}/*.exe ${folder}/*.dll)
foreach(binary IN LISTS binaries)
    execute_process(COMMAND ${STRIP} --strip-all ${binary} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(REMOVE ${BUILD}/${NAME}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${NAME}.zip --format=zip ${NAME}
    WORKING_DIRECTORY ${BUILD} COMMAND_ERROR_IS_FATAL ANY)

# The installer puts every file of the folder in place, and its uninstaller takes away each of
# them, and the folders they were in, deepest first.
file(GLOB_RECURSE files RELATIVE ${folder} ${folder}/*)
list(SORT files)
set(install_lines "SetOutPath \"$INSTDIR\"\n")
set(remove_lines)
set(folders)
set(current "")
foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH parent)
    string(REPLACE "/" "\\" target ${file})
    if(NOT parent STREQUAL current)
        if(parent)
            string(REPLACE "/" "\\" target_parent ${parent})
            string(APPEND install_lines "SetOutPath \"$INSTDIR\\${target_parent}\"\n")
            list(APPEND folders ${target_parent})
        else()
            string(APPEND install_lines "SetOutPath \"$INSTDIR\"\n")
        endif()
        set(current "${parent}")
    endif()
    string(APPEND install_lines "File \"${folder}/${file}\"\n")
    string(APPEND remove_lines "Delete \"$INSTDIR\\${target}\"\n")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(sub IN LISTS folders)
    string(APPEND remove_lines "RMDir \"$INSTDIR\\${sub}\"\n")
endforeach()
file(WRITE ${BUILD}/installed-files.nsh "${install_lines}")
file(WRITE ${BUILD}/removed-files.nsh "${remove_lines}")
execute_process(COMMAND makensis -V2 -INPUTCHARSET UTF8
        -DFILES=${BUILD}/installed-files.nsh -DREMOVED=${BUILD}/removed-files.nsh
        -DOUTFILE=${BUILD}/${NAME}-setup.exe ${INSTALLER}
    COMMAND_ERROR_IS_FATAL ANY)
