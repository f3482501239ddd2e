# Writes the icon name tables of the Material library as a C++ source file
# (two constant arrays that iconcodepoints.cpp looks names up in, so no
# script with thousands of names is compiled when the first Icon loads).
# Run with cmake -P at build time:
#   -DMATERIAL_ICONS_CSS=<material-design-icons.css> (Google's Material Icons)
#   -DFONT_AWESOME_CSS=<font-awesome.css>            (Font Awesome 4)
#   -DOUTPUT=<file.inc>
# Names come from the packages' style sheets, so the tables always match the
# font files that the build copies into the resources. Each table is sorted by
# name (byte order), for a binary search.

# The entries in `var` (a list of lines '    { "name", 0x... },') sorted by
# name, one per line. Sorting whole lines sorts by name: '"' ends every name
# and comes before every character a name has.
function(sorted_lines var)
    list(SORT ${var} COMPARE STRING CASE SENSITIVE)
    list(JOIN ${var} "\n" joined)
    set(${var} "${joined}\n" PARENT_SCOPE)
endfunction()

function(read_material_icons css out_var)
    file(READ "${css}" text)
    # ".material-icons.usb:before {\n    content: "\e1e0"; }"; class names that
    # start with a digit carry a leading underscore in CSS ("._3d_rotation").
    string(REGEX MATCHALL "\\.material-icons\\.[a-z0-9_]+:before[ \t\r\n]*{[ \t\r\n]*content:[ \t]*\"\\\\[0-9a-fA-F]+\""
        rules "${text}")
    set(entries "")
    foreach(rule IN LISTS rules)
        string(REGEX REPLACE "^\\.material-icons\\.([a-z0-9_]+):before.*\"\\\\([0-9a-fA-F]+)\"$" "\\1;\\2" pair "${rule}")
        list(GET pair 0 name)
        list(GET pair 1 code)
        string(REGEX REPLACE "^_([0-9])" "\\1" name "${name}")
        list(APPEND entries "    { \"${name}\", 0x${code} },")
    endforeach()
    list(LENGTH rules count)
    sorted_lines(entries)
    set(${out_var} "${entries}" PARENT_SCOPE)
    set(${out_var}_COUNT ${count} PARENT_SCOPE)
endfunction()

function(read_font_awesome css out_var)
    file(READ "${css}" text)
    # One rule may name several aliases: ".fa-remove:before,\n.fa-close:before { content: "\f00d"; }"
    string(REGEX MATCHALL "[^{}]*{[ \t\r\n]*content:[ \t]*\"\\\\[0-9a-fA-F]+\";[ \t\r\n]*}" rules "${text}")
    set(entries "")
    set(count 0)
    foreach(rule IN LISTS rules)
        string(REGEX REPLACE ".*\"\\\\([0-9a-fA-F]+)\".*" "\\1" code "${rule}")
        string(REGEX MATCHALL "\\.fa-[a-z0-9-]+:before" selectors "${rule}")
        foreach(sel IN LISTS selectors)
            string(REGEX REPLACE "^\\.fa-([a-z0-9-]+):before$" "\\1" name "${sel}")
            list(APPEND entries "    { \"${name}\", 0x${code} },")
            math(EXPR count "${count} + 1")
        endforeach()
    endforeach()
    sorted_lines(entries)
    set(${out_var} "${entries}" PARENT_SCOPE)
    set(${out_var}_COUNT ${count} PARENT_SCOPE)
endfunction()

foreach(var MATERIAL_ICONS_CSS FONT_AWESOME_CSS OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "GenerateIconCodepoints: ${var} not set")
    endif()
endforeach()

read_material_icons("${MATERIAL_ICONS_CSS}" material)
read_font_awesome("${FONT_AWESOME_CSS}" awesome)
if(material_COUNT LESS 100 OR awesome_COUNT LESS 100)
    message(FATAL_ERROR "GenerateIconCodepoints: too few names read "
        "(${material_COUNT} from ${MATERIAL_ICONS_CSS}, ${awesome_COUNT} from ${FONT_AWESOME_CSS})")
endif()

set(out "// Generated at build time by GenerateIconCodepoints.cmake from\n")
string(APPEND out "// ${MATERIAL_ICONS_CSS} and\n// ${FONT_AWESOME_CSS}.\n// Do not edit.\n\n")
string(APPEND out "// Google's Material Icons: name -> code point (${material_COUNT} names).\nconstexpr IconEntry materialIconEntries[] = {\n${material}};\n\n")
string(APPEND out "// Font Awesome 4: name without the \"fa-\" prefix -> code point (${awesome_COUNT} names).\nconstexpr IconEntry awesomeIconEntries[] = {\n${awesome}};\n")
file(WRITE "${OUTPUT}.tmp" "${out}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.tmp" "${OUTPUT}")
file(REMOVE "${OUTPUT}.tmp")
