# cmake -DOUTPUT=<file> -DSCANNER=<qmlimportscanner> -DQT_QML_DIR=<dir> -DQT_PLUGIN_DIR=<dir>
#       -DOWN_IMPORT_DIR=<dir> -DOWN_MODULES=<uri;...> -DMIN_VERSION=<version>
#       [-DQML_FILES=<file;...>] [-DPLUGINS=<type/lib.so;...>] [-DFILES=<path;...>]
#       [-DTS_FILES=<file;...> -DEMBEDDED_FONTS=<file;...>]
#       -P DebianDepends.cmake
#
# Writes to OUTPUT the Debian packages (one "name (>= MIN_VERSION)" a line) that
# a package of ours needs beyond its libraries' (dpkg-shlibdeps finds those):
# - every QML module that one of QML_FILES imports, resolved by Qt's
#   qmlimportscanner in this machine's QML directory (QT_QML_DIR) and named by
#   the Debian package that owns its qmldir. Modules of our own (found under
#   OWN_IMPORT_DIR, or registered natively: OWN_MODULES) are skipped; an import
#   that resolves nowhere stops the packaging. Only the files' own imports
#   count: what those modules need in turn, their packages depend on;
# - the owners of Qt plug-ins loaded at run time (PLUGINS, relative to
#   QT_PLUGIN_DIR), which no library links;
# - the owners of FILES (tools and CMake packages the SDK relies on), without a
#   version;
# - a font for the characters of the translations (TS_FILES) that the fonts
#   built into the program (EMBEDDED_FONTS, Roboto) lack, as fontconfig finds
#   them here: the Chinese catalogues' characters, which Qt draws with a
#   fallback font of the system. Every installed font that has them all is an
#   alternative; none stops the packaging.
# The directories are this machine's, also in a cross build: Debian's Qt
# packages have the same names on every architecture.
cmake_minimum_required(VERSION 3.19)

foreach(var OUTPUT SCANNER QT_QML_DIR QT_PLUGIN_DIR OWN_IMPORT_DIR MIN_VERSION)
    if(NOT ${var})
        message(FATAL_ERROR "DebianDepends: ${var} is required")
    endif()
endforeach()

# The Debian package that owns <path>, or the file it leads to (without
# ":<architecture>").
function(owner out path)
    execute_process(COMMAND dpkg-query -S "${path}"
        OUTPUT_VARIABLE found ERROR_VARIABLE error RESULT_VARIABLE status)
    if(NOT status EQUAL 0 AND EXISTS "${path}")
        file(REAL_PATH "${path}" real)
        execute_process(COMMAND dpkg-query -S "${real}"
            OUTPUT_VARIABLE found ERROR_VARIABLE error RESULT_VARIABLE status)
    endif()
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "DebianDepends: no Debian package owns ${path}: ${error}")
    endif()
    string(REGEX MATCH "^[^:,]+" package "${found}")
    set(${out} "${package}" PARENT_SCOPE)
endfunction()

set(depends)

# The modules the files import by name ("import QtQuick.Controls 1.4"; a
# quoted import names a directory or script of the app's own).
set(imported)
foreach(file IN LISTS QML_FILES)
    file(STRINGS "${file}" lines REGEX "^[ \t]*import[ \t]+[A-Za-z_][A-Za-z0-9_.]*[ \t]+[0-9]")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*import[ \t]+([A-Za-z0-9_.]+).*$" "\\1" uri "${line}")
        list(APPEND imported "${uri}")
        set(importer_${uri} "${file}")
    endforeach()
endforeach()
list(REMOVE_DUPLICATES imported)

if(imported)
    execute_process(COMMAND "${SCANNER}" -qmlFiles ${QML_FILES} -importPath "${QT_QML_DIR}" "${OWN_IMPORT_DIR}"
        OUTPUT_VARIABLE json ERROR_VARIABLE error RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "DebianDepends: ${SCANNER} failed: ${error}")
    endif()
    string(JSON count LENGTH "${json}")
    set(resolved)
    file(REAL_PATH "${OWN_IMPORT_DIR}" own)
    if(count GREATER 0)
        math(EXPR last "${count} - 1")
        foreach(i RANGE ${last})
            string(JSON type ERROR_VARIABLE none GET "${json}" ${i} type)
            string(JSON name ERROR_VARIABLE none GET "${json}" ${i} name)
            string(JSON path ERROR_VARIABLE no_path GET "${json}" ${i} path)
            if(NOT type STREQUAL "module" OR NOT name IN_LIST imported OR no_path)
                continue()
            endif()
            list(APPEND resolved "${name}")
            file(REAL_PATH "${path}" path)
            string(FIND "${path}/" "${own}/" at)
            if(at EQUAL 0)
                continue()
            endif()
            owner(package "${path}/qmldir")
            list(APPEND depends "${package} (>= ${MIN_VERSION})")
        endforeach()
    endif()
    foreach(uri IN LISTS imported)
        if(NOT uri IN_LIST resolved AND NOT uri IN_LIST OWN_MODULES)
            message(FATAL_ERROR "DebianDepends: ${importer_${uri}} imports ${uri}, which is no QML module "
                "installed in ${QT_QML_DIR} and none of ours; install its Debian package")
        endif()
    endforeach()
endif()

foreach(plugin IN LISTS PLUGINS)
    owner(package "${QT_PLUGIN_DIR}/${plugin}")
    list(APPEND depends "${package} (>= ${MIN_VERSION})")
endforeach()

# The characters of the translations beyond ASCII, as hexadecimal code points.
set(code_points)
foreach(ts IN LISTS TS_FILES)
    file(READ "${ts}" text)
    string(REGEX MATCHALL "<(translation|numerusform)[^>]*>[^<]*<" texts "${text}")
    string(HEX "${texts}" hex)
    string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
    string(REGEX MATCHALL "([cd][0-9a-f] |e[0-9a-f] [89ab][0-9a-f] |f[0-4] [89ab][0-9a-f] [89ab][0-9a-f] )[89ab][0-9a-f] "
        sequences "${hex}")
    list(APPEND code_points ${sequences})
endforeach()
list(REMOVE_DUPLICATES code_points)
set(decoded)
foreach(sequence IN LISTS code_points)
    string(STRIP "${sequence}" bytes)
    string(REPLACE " " ";" bytes "${bytes}")
    list(POP_FRONT bytes lead)
    list(LENGTH bytes continuations)
    if(continuations EQUAL 1)
        set(value "(0x${lead} & 0x1f)")
    elseif(continuations EQUAL 2)
        set(value "(0x${lead} & 0x0f)")
    else()
        set(value "(0x${lead} & 0x07)")
    endif()
    foreach(byte IN LISTS bytes)
        set(value "((${value} << 6) | (0x${byte} & 0x3f))")
    endforeach()
    math(EXPR value "${value}")
    list(APPEND decoded ${value})
endforeach()
# Those no built-in font has.
if(decoded)
    set(ranges)
    foreach(font IN LISTS EMBEDDED_FONTS)
        execute_process(COMMAND fc-query --format "%{charset}" "${font}" OUTPUT_VARIABLE charset
            RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "DebianDepends: fc-query cannot read ${font}")
        endif()
        string(REPLACE " " ";" charset "${charset}")
        foreach(range IN LISTS charset)
            string(REPLACE "-" ";" range "${range}")
            list(GET range 0 low)
            list(GET range -1 high)
            math(EXPR low "0x${low}")
            math(EXPR high "0x${high}")
            list(APPEND ranges "${low}-${high}")
        endforeach()
    endforeach()
    set(missing)
    foreach(value IN LISTS decoded)
        set(covered FALSE)
        foreach(range IN LISTS ranges)
            string(REPLACE "-" ";" range "${range}")
            list(GET range 0 low)
            list(GET range 1 high)
            if(value GREATER_EQUAL low AND value LESS_EQUAL high)
                set(covered TRUE)
                break()
            endif()
        endforeach()
        if(NOT covered)
            math(EXPR value "${value}" OUTPUT_FORMAT HEXADECIMAL)
            string(REPLACE "0x" "" value "${value}")
            list(APPEND missing ${value})
        endif()
    endforeach()
    if(missing)
        list(JOIN missing " " charset)
        execute_process(COMMAND fc-list ":charset=${charset}" file OUTPUT_VARIABLE fonts RESULT_VARIABLE status)
        string(REGEX REPLACE ": *\n" ";" fonts "${fonts}")
        set(alternatives)
        foreach(font IN LISTS fonts)
            string(STRIP "${font}" font)
            if(font)
                owner(package "${font}")
                list(APPEND alternatives ${package})
            endif()
        endforeach()
        if(NOT alternatives)
            list(LENGTH missing count)
            message(FATAL_ERROR "DebianDepends: no font installed here has the ${count} characters of the "
                "translations that the built-in fonts lack (${TS_FILES}); install one (fonts-droid-fallback "
                "or fonts-noto-cjk for Chinese)")
        endif()
        list(REMOVE_DUPLICATES alternatives)
        list(SORT alternatives)
        list(JOIN alternatives " | " alternatives)
        list(APPEND depends "${alternatives}")
    endif()
endif()

foreach(path IN LISTS FILES)
    owner(package "${path}")
    list(APPEND depends "${package}")
endforeach()

list(REMOVE_DUPLICATES depends)
list(SORT depends)
list(JOIN depends "\n" text)
file(WRITE "${OUTPUT}.tmp" "${text}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
