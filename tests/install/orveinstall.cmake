# Installs the build into a scratch prefix as a package would and checks what a desktop needs:
# every file in its place and nothing else, the installed orve-cli runs, draws a PDF and writes
# workbooks through orve-cli-export in the package's private folder, the help document where
# the installed program looks for it, icons of the size their folder names, a valid desktop
# entry, and a MIME definition by which the database recognises *.rve files.
# cmake -DBUILD=<build folder> -DWORK=<scratch folder> -DBINDIR=<bin> -DLIBEXECDIR=<libexec>
#       -DSCHOOL=<a school with a timetable> -DDATADIR=<share>
#       -DDATA_FROM_PROGRAM=<share/orve seen from bin> -DHELP=<orve-help.html> -P orveinstall.cmake

set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${out}\n${err}")
endif()

set(icons ${DATADIR}/icons/hicolor)
set(icon_sizes 16 32 48 64 128 256)
set(expected
    ${BINDIR}/orve
    ${BINDIR}/orve-cli
    ${LIBEXECDIR}/orve/orve-cli-export
    ${DATADIR}/orve/orve-help.html
    ${DATADIR}/applications/orve.desktop
    ${DATADIR}/mime/packages/orve.xml
    ${icons}/scalable/apps/orve.svg)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected ${icons}/${size}x${size}/apps/orve.png)
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " installed "${installed}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

# A wrong call exits with 2: the installed program loads its libraries and runs.
execute_process(COMMAND ${prefix}/${BINDIR}/orve-cli RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status STREQUAL "2")
    message(FATAL_ERROR "installed orve-cli without arguments: ${status}, expected 2\n${err}")
endif()

execute_process(COMMAND ${prefix}/${BINDIR}/orve-cli export ${SCHOOL} --pdf ${WORK}/school.pdf
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "\"pdf_pages\":[1-9]" OR NOT EXISTS ${WORK}/school.pdf)
    message(FATAL_ERROR "installed orve-cli export --pdf: ${status}\n${out}\n${err}")
endif()
execute_process(COMMAND ${prefix}/${BINDIR}/orve-cli export ${SCHOOL} --xlsx ${WORK}/xlsx
                        --what master
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB workbooks ${WORK}/xlsx/*.xlsx)
if(NOT status EQUAL 0 OR NOT workbooks)
    message(FATAL_ERROR "installed orve-cli export --xlsx: ${status}\n${out}\n${err}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${HELP}
                        ${prefix}/${BINDIR}/${DATA_FROM_PROGRAM}/orve-help.html
                RESULT_VARIABLE differ)
if(differ)
    message(FATAL_ERROR "the help document is not at ${BINDIR}/${DATA_FROM_PROGRAM}")
endif()

# PNG: the signature, then the IHDR chunk with width and height as 32-bit big-endian numbers.
foreach(size IN LISTS icon_sizes)
    set(png ${prefix}/${icons}/${size}x${size}/apps/orve.png)
    file(READ ${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${png}: ${width}x${height} (signature ${signature})")
    endif()
endforeach()

# The desktop entry: valid (hints allowed), opening the file it is given with the program,
# showing the installed icon and offering itself for the type that orve.xml defines.
set(desktop ${prefix}/${DATADIR}/applications/orve.desktop)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(NOT DESKTOP_FILE_VALIDATE)
    message(FATAL_ERROR "desktop-file-validate is missing: apt-get install desktop-file-utils")
endif()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR "${out}${err}" MATCHES "(error|warning): ")
    message(FATAL_ERROR "desktop-file-validate ${desktop}:\n${out}${err}")
endif()
file(STRINGS ${desktop} exec REGEX "^Exec=")
file(STRINGS ${desktop} icon REGEX "^Icon=")
file(STRINGS ${desktop} desktop_types REGEX "^MimeType=")
file(READ ${prefix}/${DATADIR}/mime/packages/orve.xml mime_xml)
string(REGEX MATCH "<mime-type type=\"([^\"]+)\"" defined "${mime_xml}")
set(type ${CMAKE_MATCH_1})
if(NOT exec STREQUAL "Exec=orve %f" OR NOT icon STREQUAL "Icon=orve"
   OR NOT desktop_types STREQUAL "MimeType=${type}\;")
    message(FATAL_ERROR "desktop entry: '${exec}' '${icon}' '${desktop_types}' (type ${type})")
endif()

find_program(XMLLINT xmllint)
if(XMLLINT)
    execute_process(COMMAND ${XMLLINT} --noout ${prefix}/${DATADIR}/mime/packages/orve.xml
                    RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "orve.xml is not well-formed:\n${err}")
    endif()
else()
    message(STATUS "xmllint not found: orve.xml not checked for well-formedness")
endif()

# The database built from the definition alone maps *.rve to the type.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
    set(mime ${prefix}/${DATADIR}/mime)
    execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${mime} RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE err)
    file(STRINGS ${mime}/globs2 globs REGEX ":${type}:")
    if(NOT status EQUAL 0 OR NOT globs MATCHES ":${type}:\\*\\.rve$")
        message(FATAL_ERROR "update-mime-database (${status}) ${out}${err}\nglobs: ${globs}")
    endif()
else()
    message(STATUS "update-mime-database not found: the *.rve glob not checked")
endif()
