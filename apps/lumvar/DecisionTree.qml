import QtQuick 2.4

// What the tubing wizard knows: the options its question pages offer, the table
// of answer paths from a test type down to the tubing of the gauge's four taps,
// and where the wizard stands in that table.
//
// A table entry is "/" + the answer keys joined by "/" + "/" + the result string
// ("A input:A ref:B input:B ref", each field the suffix of a TAP_LABEL_ key).
// An entry lies below the current position when it begins with currentPath, a
// plain string comparison; the pages only push keys that getOptions() offered,
// so they always move along whole segments.
QtObject {
    id: decisionTree

    // The answers so far, each as "/" + its key; "" at the root.
    property string currentPath: ""

    // The categories: "category" names each one and is the prefix of its keys;
    // every other member is an option record under its key. The labels are
    // translated once, when the tree is created.
    readonly property var testTypes: ({
        "category": "TEST_TYPE",
        "TEST_TYPE_BUILDING_TIGHTNESS": {
            "key": "TEST_TYPE_BUILDING_TIGHTNESS",
            "label": qsTr("TEST_TYPE_BUILDING_TIGHTNESS"),
            "iconSource": icondir + "home_isometric.svg",
            "colorizeIcon": true,
            "forceGaugeMode": "CHANNELMODE_FLOWAT50"
        },
        "TEST_TYPE_DUCT_TIGHTNESS": {
            "key": "TEST_TYPE_DUCT_TIGHTNESS",
            "label": qsTr("TEST_TYPE_DUCT_TIGHTNESS"),
            "iconSource": icondir + "ductwork.svg",
            "colorizeIcon": true,
            "forceGaugeMode": "CHANNELMODE_FLOWAT25"
        },
        "TEST_TYPE_AIR_HANDLER_FLOW": {
            "key": "TEST_TYPE_AIR_HANDLER_FLOW",
            "label": qsTr("TEST_TYPE_AIR_HANDLER_FLOW"),
            "iconSource": icondir + "air_handler_flow.svg",
            "colorizeIcon": true,
            "forceGaugeMode": "CHANNELMODE_AH_FLOW"
        },
        "TEST_TYPE_OTHER": {
            "key": "TEST_TYPE_OTHER",
            "label": qsTr("TEST_TYPE_OTHER"),
            "iconSource": "icon://navigation/more_horiz",
            "colorizeIcon": true,
            "forceGaugeMode": "CHANNELMODE_FLOW"
        }
    })
    readonly property var testDirections: ({
        "category": "TEST_DIRECTION",
        "TEST_DIRECTION_PRESSURIZE": {
            "key": "TEST_DIRECTION_PRESSURIZE",
            "label": qsTr("TEST_DIRECTION_PRESSURIZE"),
            "iconSource": icondir + "pressurize.svg",
            "colorizeIcon": true
        },
        "TEST_DIRECTION_DEPRESSURIZE": {
            "key": "TEST_DIRECTION_DEPRESSURIZE",
            "label": qsTr("TEST_DIRECTION_DEPRESSURIZE"),
            "iconSource": icondir + "depressurize.svg",
            "colorizeIcon": true
        }
    })
    readonly property var gaugeLocations: ({
        "category": "GAUGE_LOCATION",
        "GAUGE_LOCATION_INSIDE_BUILDING": {
            "key": "GAUGE_LOCATION_INSIDE_BUILDING",
            "label": qsTr("GAUGE_LOCATION_INSIDE_BUILDING"),
            "iconSource": icondir + "gauge_inside.svg",
            "colorizeIcon": true
        },
        "GAUGE_LOCATION_OUTSIDE_BUILDING": {
            "key": "GAUGE_LOCATION_OUTSIDE_BUILDING",
            "label": qsTr("GAUGE_LOCATION_OUTSIDE_BUILDING"),
            "iconSource": icondir + "gauge_outside.svg",
            "colorizeIcon": true
        }
    })
    // FLOWDEVICE_TORNEL_3_FAN is the 110 V fan; its key carries no voltage.
    readonly property var devices: ({
        "category": "FLOWDEVICE",
        "FLOWDEVICE_TORNEL_3_FAN": {
            "key": "FLOWDEVICE_TORNEL_3_FAN",
            "label": qsTr("FLOWDEVICE_TORNEL_3_FAN"),
            "iconSource": icondir + "flowdevice_tornel_3_fan.svg",
            "colorizeIcon": false
        },
        "FLOWDEVICE_TORNEL_3_220V_FAN": {
            "key": "FLOWDEVICE_TORNEL_3_220V_FAN",
            "label": qsTr("FLOWDEVICE_TORNEL_3_220V_FAN"),
            "iconSource": icondir + "flowdevice_tornel_3_220v_fan.svg",
            "colorizeIcon": false
        },
        "FLOWDEVICE_TORNEL_4_FAN": {
            "key": "FLOWDEVICE_TORNEL_4_FAN",
            "label": qsTr("FLOWDEVICE_TORNEL_4_FAN"),
            "iconSource": icondir + "flowdevice_tornel_4_fan.svg",
            "colorizeIcon": false
        },
        "FLOWDEVICE_WHIRLEX_B_FAN": {
            "key": "FLOWDEVICE_WHIRLEX_B_FAN",
            "label": qsTr("FLOWDEVICE_WHIRLEX_B_FAN"),
            "iconSource": icondir + "flowdevice_whirlex_b_fan.svg",
            "colorizeIcon": false
        },
        "FLOWDEVICE_HOODEX_METER": {
            "key": "FLOWDEVICE_HOODEX_METER",
            "label": qsTr("FLOWDEVICE_HOODEX_METER"),
            "iconSource": icondir + "flowdevice_hoodex_meter.svg",
            "colorizeIcon": false
        },
        "FLOWDEVICE_PLENARA_AH_METER": {
            "key": "FLOWDEVICE_PLENARA_AH_METER",
            "label": qsTr("FLOWDEVICE_PLENARA_AH_METER"),
            "iconSource": icondir + "flowdevice_plenara_ah_meter.svg",
            "colorizeIcon": false
        },
        "FLOWDEVICE_NANOSEEP_METER": {
            "key": "FLOWDEVICE_NANOSEEP_METER",
            "label": qsTr("FLOWDEVICE_NANOSEEP_METER"),
            "iconSource": icondir + "flowdevice_nanoseep_meter.svg",
            "colorizeIcon": false
        }
    })
    // What follows the last answer: the result string, which has no options.
    readonly property var results: ({
        "category": "RESULTS"
    })

    // Every answer sequence once. The order matters: options are offered in
    // the order of their first occurrence here.
    readonly property var paths: [
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_TORNEL_3_FAN/NONE:OUTSIDE:T3_FAN:NONE",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/NONE:OUTSIDE:WX_FAN:NONE",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_TORNEL_4_FAN/NONE:OUTSIDE:T4_FAN:FAN_REF",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_TORNEL_3_220V_FAN/NONE:OUTSIDE:T3_220_FAN:NONE",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_TORNEL_3_FAN/BUILDING:NONE:T3_FAN:BUILDING",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/BUILDING:NONE:WX_FAN:BUILDING",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_TORNEL_4_FAN/BUILDING:NONE:T4_FAN:FAN_REF",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_TORNEL_3_220V_FAN/BUILDING:NONE:T3_220_FAN:BUILDING",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_TORNEL_3_FAN/NONE:OUTSIDE:T3_FAN:OUTSIDE",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/NONE:OUTSIDE:WX_FAN:OUTSIDE",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_TORNEL_4_FAN/NONE:OUTSIDE:T4_FAN:FAN_REF",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_TORNEL_3_220V_FAN/NONE:OUTSIDE:T3_220_FAN:OUTSIDE",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_TORNEL_3_FAN/BUILDING:NONE:T3_FAN:NONE",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/BUILDING:NONE:WX_FAN:NONE",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_TORNEL_4_FAN/BUILDING:NONE:T4_FAN:FAN_REF",
        "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_TORNEL_3_220V_FAN/BUILDING:NONE:T3_220_FAN:NONE",
        "/TEST_TYPE_DUCT_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/DUCT:NONE:WX_FAN:ROUND_TRANS",
        "/TEST_TYPE_DUCT_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_NANOSEEP_METER/DUCT:NONE:NSM_RED:NSM_BLUE",
        "/TEST_TYPE_DUCT_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/DUCT:BUILDING:WX_FAN:ROUND_TRANS",
        "/TEST_TYPE_DUCT_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_NANOSEEP_METER/DUCT:BUILDING:NSM_RED:NSM_BLUE",
        "/TEST_TYPE_DUCT_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/DUCT:NONE:WX_FAN:NONE",
        "/TEST_TYPE_DUCT_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_NANOSEEP_METER/DUCT:NONE:NSM_RED:NSM_BLUE",
        "/TEST_TYPE_DUCT_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/DUCT:BUILDING:WX_FAN:NONE",
        "/TEST_TYPE_DUCT_TIGHTNESS/TEST_DIRECTION_PRESSURIZE/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_NANOSEEP_METER/DUCT:BUILDING:NSM_RED:NSM_BLUE",
        "/TEST_TYPE_AIR_HANDLER_FLOW/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_PLENARA_AH_METER/DUCT_AH:NONE:PA_RED:PA_GREEN",
        "/TEST_TYPE_AIR_HANDLER_FLOW/GAUGE_LOCATION_INSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/DUCT_AH:NONE:WX_FAN:NONE",
        "/TEST_TYPE_AIR_HANDLER_FLOW/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_PLENARA_AH_METER/DUCT_AH:BUILDING:PA_RED:PA_GREEN",
        "/TEST_TYPE_AIR_HANDLER_FLOW/GAUGE_LOCATION_OUTSIDE_BUILDING/FLOWDEVICE_WHIRLEX_B_FAN/DUCT_AH:BUILDING:WX_FAN:NONE",
        "/TEST_TYPE_OTHER/FLOWDEVICE_HOODEX_METER/NONE:NONE:FLOW_BOX:NONE",
        "/TEST_TYPE_OTHER/FLOWDEVICE_NANOSEEP_METER/ENCLOSURE:NONE:NSM_RED:NSM_BLUE"
    ]

    // The option records of the next question, in the order in which their
    // keys first occur below the current position; empty when nothing lies
    // below or the next step is the result.
    function getOptions() {
        var seen = {};
        var options = [];
        var category = null;
        for (var i = 0; i < paths.length; ++i) {
            if (!__liesBelow(paths[i]))
                continue;
            var segment = __nextSegment(paths[i]);
            if (seen.hasOwnProperty(segment))
                continue;
            seen[segment] = true;
            if (category === null)
                category = getCategory(segment);
            // Below a flow device lies only the result, which offers nothing.
            if (segment === "" && category === results)
                continue;
            if (category === results || !category.hasOwnProperty(segment)) {
                console.log("DecisionTree.getOptions() no option \"" + segment + "\" in " + category.category
                            + " below \"" + currentPath + "\"");
                continue;
            }
            options.push(category[segment]);
        }
        return options;
    }

    // The rest of the first entry below the current position: the result
    // string once a flow device has been chosen. Undefined when nothing lies
    // below.
    function getResult() {
        for (var i = 0; i < paths.length; ++i) {
            if (__liesBelow(paths[i]))
                return paths[i].substring(currentPath.length + 1);
        }
        return undefined;
    }

    // The category map that a segment belongs to, by its prefix; a segment
    // with none of the prefixes (a result string, "") belongs to results.
    function getCategory(optionKey) {
        var text = String(optionKey);
        var categories = [testTypes, testDirections, gaugeLocations, devices];
        for (var i = 0; i < categories.length; ++i) {
            if (text.indexOf(categories[i].category) === 0)
                return categories[i];
        }
        return results;
    }

    // The category of the next question (results when the next step is the
    // result), or "" when nothing lies below the current position.
    function getCurrentCategory() {
        for (var i = 0; i < paths.length; ++i) {
            if (__liesBelow(paths[i]))
                return getCategory(__nextSegment(paths[i]));
        }
        return "";
    }

    function push(key) {
        currentPath = currentPath + "/" + key;
    }

    // Drops the last answer; at the root there is none and the path stays "".
    function pop() {
        var last = currentPath.lastIndexOf("/");
        currentPath = last > 0 ? currentPath.substring(0, last) : "";
    }

    function reset() {
        currentPath = "";
    }

    function __liesBelow(entry) {
        return entry.substring(0, currentPath.length) === currentPath;
    }

    // The text after currentPath and its "/" up to the next "/"; "" when no
    // "/" follows (what remains is the result string).
    function __nextSegment(entry) {
        var rest = entry.substring(currentPath.length + 1);
        var slash = rest.indexOf("/");
        return slash < 0 ? "" : rest.substring(0, slash);
    }
}
