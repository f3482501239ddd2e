import QtQuick 2.4
import QtTest 1.2

// The wizard's decision tree, walked the way the pages walk it: every answer
// sequence from the root, the options offered at each node, the category
// rules, and the table's own consistency.
TestCase {
    id: testCase

    property QtObject tree: null

    // Each answer sequence with the tubing it must lead to, entry by entry.
    readonly property var expectedPaths: [
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_TORNEL_3_FAN"], "NONE:OUTSIDE:T3_FAN:NONE"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "NONE:OUTSIDE:WX_FAN:NONE"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_TORNEL_4_FAN"], "NONE:OUTSIDE:T4_FAN:FAN_REF"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_TORNEL_3_220V_FAN"], "NONE:OUTSIDE:T3_220_FAN:NONE"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_TORNEL_3_FAN"], "BUILDING:NONE:T3_FAN:BUILDING"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "BUILDING:NONE:WX_FAN:BUILDING"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_TORNEL_4_FAN"], "BUILDING:NONE:T4_FAN:FAN_REF"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_TORNEL_3_220V_FAN"], "BUILDING:NONE:T3_220_FAN:BUILDING"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_TORNEL_3_FAN"], "NONE:OUTSIDE:T3_FAN:OUTSIDE"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "NONE:OUTSIDE:WX_FAN:OUTSIDE"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_TORNEL_4_FAN"], "NONE:OUTSIDE:T4_FAN:FAN_REF"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_TORNEL_3_220V_FAN"], "NONE:OUTSIDE:T3_220_FAN:OUTSIDE"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_TORNEL_3_FAN"], "BUILDING:NONE:T3_FAN:NONE"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "BUILDING:NONE:WX_FAN:NONE"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_TORNEL_4_FAN"], "BUILDING:NONE:T4_FAN:FAN_REF"],
        [["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_TORNEL_3_220V_FAN"], "BUILDING:NONE:T3_220_FAN:NONE"],
        [["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "DUCT:NONE:WX_FAN:ROUND_TRANS"],
        [["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_NANOSEEP_METER"], "DUCT:NONE:NSM_RED:NSM_BLUE"],
        [["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "DUCT:BUILDING:WX_FAN:ROUND_TRANS"],
        [["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_NANOSEEP_METER"], "DUCT:BUILDING:NSM_RED:NSM_BLUE"],
        [["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "DUCT:NONE:WX_FAN:NONE"],
        [["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_NANOSEEP_METER"], "DUCT:NONE:NSM_RED:NSM_BLUE"],
        [["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "DUCT:BUILDING:WX_FAN:NONE"],
        [["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_NANOSEEP_METER"], "DUCT:BUILDING:NSM_RED:NSM_BLUE"],
        [["TEST_TYPE_AIR_HANDLER_FLOW", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_PLENARA_AH_METER"], "DUCT_AH:NONE:PA_RED:PA_GREEN"],
        [["TEST_TYPE_AIR_HANDLER_FLOW", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "DUCT_AH:NONE:WX_FAN:NONE"],
        [["TEST_TYPE_AIR_HANDLER_FLOW", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_PLENARA_AH_METER"], "DUCT_AH:BUILDING:PA_RED:PA_GREEN"],
        [["TEST_TYPE_AIR_HANDLER_FLOW", "GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_WHIRLEX_B_FAN"], "DUCT_AH:BUILDING:WX_FAN:NONE"],
        [["TEST_TYPE_OTHER", "FLOWDEVICE_HOODEX_METER"], "NONE:NONE:FLOW_BOX:NONE"],
        [["TEST_TYPE_OTHER", "FLOWDEVICE_NANOSEEP_METER"], "ENCLOSURE:NONE:NSM_RED:NSM_BLUE"]
    ]

    // The category each key belongs to, written out per key.
    readonly property var categoryOfKey: ({
        "TEST_TYPE_BUILDING_TIGHTNESS": "TEST_TYPE", "TEST_TYPE_DUCT_TIGHTNESS": "TEST_TYPE",
        "TEST_TYPE_AIR_HANDLER_FLOW": "TEST_TYPE", "TEST_TYPE_OTHER": "TEST_TYPE",
        "TEST_DIRECTION_PRESSURIZE": "TEST_DIRECTION", "TEST_DIRECTION_DEPRESSURIZE": "TEST_DIRECTION",
        "GAUGE_LOCATION_INSIDE_BUILDING": "GAUGE_LOCATION", "GAUGE_LOCATION_OUTSIDE_BUILDING": "GAUGE_LOCATION",
        "FLOWDEVICE_TORNEL_3_FAN": "FLOWDEVICE", "FLOWDEVICE_TORNEL_3_220V_FAN": "FLOWDEVICE",
        "FLOWDEVICE_TORNEL_4_FAN": "FLOWDEVICE", "FLOWDEVICE_WHIRLEX_B_FAN": "FLOWDEVICE",
        "FLOWDEVICE_HOODEX_METER": "FLOWDEVICE", "FLOWDEVICE_PLENARA_AH_METER": "FLOWDEVICE",
        "FLOWDEVICE_NANOSEEP_METER": "FLOWDEVICE"
    })

    name: "DecisionTree"

    function init() {
        var component = Qt.createComponent("qrc:/DecisionTree.qml");
        compare(component.status, Component.Ready, component.errorString());
        tree = createTemporaryObject(component, testCase);
        verify(tree);
    }

    function keysOf(options) {
        return options.map(function(option) { return option.key; });
    }

    function labelsOf(options) {
        return options.map(function(option) { return option.label; });
    }

    function pushAll(keys) {
        for (var i = 0; i < keys.length; ++i)
            tree.push(keys[i]);
    }

    // One answer sequence at a time, from the root, as the pages go: at each
    // step the next category is the answer's, the answer is among the
    // options, and after the device the result is the entry's.
    function test_walk_data() {
        return expectedPaths.map(function(entry, index) {
            return { "tag": (index + 1) + " " + entry[0].join("/"), "answers": entry[0], "result": entry[1] };
        });
    }
    function test_walk(data) {
        compare(tree.currentPath, "");
        var path = "";
        for (var i = 0; i < data.answers.length; ++i) {
            var key = data.answers[i];
            var category = tree.getCurrentCategory();
            compare(category.category, categoryOfKey[key], "category before " + key);
            var offered = keysOf(tree.getOptions());
            verify(offered.indexOf(key) >= 0, key + " not offered in " + offered);
            offered.forEach(function(option) {
                compare(categoryOfKey[option], category.category, option + " offered with " + category.category);
            });
            tree.push(key);
            path += "/" + key;
            compare(tree.currentPath, path);
        }
        compare(tree.getCurrentCategory(), tree.results);
        compare(tree.getOptions().length, 0);
        compare(tree.getResult(), data.result);
    }

    // The options at every node, in the order the pages show them.
    function test_optionsOffered_data() {
        var building = ["TEST_TYPE_BUILDING_TIGHTNESS"];
        var duct = ["TEST_TYPE_DUCT_TIGHTNESS"];
        var locations = ["Inside the Building", "Outside the Building"];
        var directions = ["Depressurize", "Pressurize"];
        var buildingFans = ["Tornel 3 110V Fan", "Whirlex® B Fan", "Tornel 4 220V Fan", "Tornel 3 220V Fan"];
        var ductDevices = ["Whirlex® B Fan", "Nanoseep Meter"];
        var rows = [
            { "tag": "root", "at": [], "category": "TEST_TYPE",
              "labels": ["Building Tightness", "Duct Tightness", "Air Handler Flow", "Other Applications"] },
            { "tag": "building", "at": building, "category": "TEST_DIRECTION", "labels": directions },
            { "tag": "duct", "at": duct, "category": "TEST_DIRECTION", "labels": directions },
            { "tag": "air handler", "at": ["TEST_TYPE_AIR_HANDLER_FLOW"], "category": "GAUGE_LOCATION",
              "labels": locations },
            { "tag": "other", "at": ["TEST_TYPE_OTHER"], "category": "FLOWDEVICE",
              "labels": ["Hoodex Meter", "Nanoseep Meter"] },
            { "tag": "air handler inside", "at": ["TEST_TYPE_AIR_HANDLER_FLOW", "GAUGE_LOCATION_INSIDE_BUILDING"],
              "category": "FLOWDEVICE", "labels": ["Plenara® AH Meter", "Whirlex® B Fan"] },
            { "tag": "air handler outside", "at": ["TEST_TYPE_AIR_HANDLER_FLOW", "GAUGE_LOCATION_OUTSIDE_BUILDING"],
              "category": "FLOWDEVICE", "labels": ["Plenara® AH Meter", "Whirlex® B Fan"] }
        ];
        ["TEST_DIRECTION_DEPRESSURIZE", "TEST_DIRECTION_PRESSURIZE"].forEach(function(direction) {
            rows.push({ "tag": "building " + direction, "at": building.concat([direction]),
                        "category": "GAUGE_LOCATION", "labels": locations });
            rows.push({ "tag": "duct " + direction, "at": duct.concat([direction]),
                        "category": "GAUGE_LOCATION", "labels": locations });
            ["GAUGE_LOCATION_INSIDE_BUILDING", "GAUGE_LOCATION_OUTSIDE_BUILDING"].forEach(function(location) {
                rows.push({ "tag": "building " + direction + " " + location,
                            "at": building.concat([direction, location]), "category": "FLOWDEVICE",
                            "labels": buildingFans });
                rows.push({ "tag": "duct " + direction + " " + location,
                            "at": duct.concat([direction, location]), "category": "FLOWDEVICE",
                            "labels": ductDevices });
            });
        });
        return rows;
    }
    function test_optionsOffered(data) {
        pushAll(data.at);
        compare(tree.getCurrentCategory().category, data.category);
        var options = tree.getOptions();
        compare(labelsOf(options), data.labels);
        var category = tree.getCurrentCategory();
        options.forEach(function(option) {
            compare(category[option.key], option, option.key + " is its category's record");
        });
    }

    function test_categoryOfASegment_data() {
        return [
            { "tag": "test type", "segment": "TEST_TYPE_OTHER", "category": "TEST_TYPE" },
            { "tag": "direction", "segment": "TEST_DIRECTION_PRESSURIZE", "category": "TEST_DIRECTION" },
            { "tag": "location", "segment": "GAUGE_LOCATION_OUTSIDE_BUILDING", "category": "GAUGE_LOCATION" },
            { "tag": "device", "segment": "FLOWDEVICE_NANOSEEP_METER", "category": "FLOWDEVICE" },
            { "tag": "bare prefix", "segment": "FLOWDEVICE", "category": "FLOWDEVICE" },
            { "tag": "empty", "segment": "", "category": "RESULTS" },
            { "tag": "result string", "segment": "NONE:OUTSIDE:T3_FAN:NONE", "category": "RESULTS" },
            { "tag": "prefix not at the start", "segment": "X_TEST_TYPE_OTHER", "category": "RESULTS" },
            { "tag": "lower case", "segment": "test_type_other", "category": "RESULTS" }
        ];
    }
    function test_categoryOfASegment(data) {
        compare(tree.getCategory(data.segment).category, data.category);
    }

    function test_categoryMaps() {
        compare(tree.testTypes.category, "TEST_TYPE");
        compare(tree.testDirections.category, "TEST_DIRECTION");
        compare(tree.gaugeLocations.category, "GAUGE_LOCATION");
        compare(tree.devices.category, "FLOWDEVICE");
        compare(Object.keys(tree.results), ["category"]);
        compare(tree.results.category, "RESULTS");
        var counts = [[tree.testTypes, 4], [tree.testDirections, 2], [tree.gaugeLocations, 2], [tree.devices, 7]];
        counts.forEach(function(pair) {
            compare(Object.keys(pair[0]).length - 1, pair[1], pair[0].category);
        });
    }

    function test_recordsOfTheOptions() {
        var pictures = {
            "TEST_TYPE_BUILDING_TIGHTNESS": icondir + "home_isometric.svg",
            "TEST_TYPE_DUCT_TIGHTNESS": icondir + "ductwork.svg",
            "TEST_TYPE_AIR_HANDLER_FLOW": icondir + "air_handler_flow.svg",
            "TEST_TYPE_OTHER": "icon://navigation/more_horiz",
            "TEST_DIRECTION_PRESSURIZE": icondir + "pressurize.svg",
            "TEST_DIRECTION_DEPRESSURIZE": icondir + "depressurize.svg",
            "GAUGE_LOCATION_INSIDE_BUILDING": icondir + "gauge_inside.svg",
            "GAUGE_LOCATION_OUTSIDE_BUILDING": icondir + "gauge_outside.svg",
            "FLOWDEVICE_TORNEL_3_FAN": icondir + "flowdevice_tornel_3_fan.svg",
            "FLOWDEVICE_TORNEL_3_220V_FAN": icondir + "flowdevice_tornel_3_220v_fan.svg",
            "FLOWDEVICE_TORNEL_4_FAN": icondir + "flowdevice_tornel_4_fan.svg",
            "FLOWDEVICE_WHIRLEX_B_FAN": icondir + "flowdevice_whirlex_b_fan.svg",
            "FLOWDEVICE_HOODEX_METER": icondir + "flowdevice_hoodex_meter.svg",
            "FLOWDEVICE_PLENARA_AH_METER": icondir + "flowdevice_plenara_ah_meter.svg",
            "FLOWDEVICE_NANOSEEP_METER": icondir + "flowdevice_nanoseep_meter.svg"
        };
        var modes = {
            "TEST_TYPE_BUILDING_TIGHTNESS": "CHANNELMODE_FLOWAT50",
            "TEST_TYPE_DUCT_TIGHTNESS": "CHANNELMODE_FLOWAT25",
            "TEST_TYPE_AIR_HANDLER_FLOW": "CHANNELMODE_AH_FLOW",
            "TEST_TYPE_OTHER": "CHANNELMODE_FLOW"
        };
        Object.keys(pictures).forEach(function(key) {
            var category = tree.getCategory(key);
            var record = category[key];
            verify(record !== undefined, key + " has a record in " + category.category);
            compare(record.key, key);
            compare(record.iconSource, pictures[key], key);
            compare(record.colorizeIcon, categoryOfKey[key] !== "FLOWDEVICE", key);
            if (modes.hasOwnProperty(key))
                compare(record.forceGaugeMode, modes[key], key);
            else
                verify(record.forceGaugeMode === undefined, key + " carries no gauge mode");
        });
    }

    function test_englishLabels() {
        var labels = {
            "TEST_TYPE_BUILDING_TIGHTNESS": "Building Tightness", "TEST_TYPE_DUCT_TIGHTNESS": "Duct Tightness",
            "TEST_TYPE_AIR_HANDLER_FLOW": "Air Handler Flow", "TEST_TYPE_OTHER": "Other Applications",
            "TEST_DIRECTION_PRESSURIZE": "Pressurize", "TEST_DIRECTION_DEPRESSURIZE": "Depressurize",
            "GAUGE_LOCATION_INSIDE_BUILDING": "Inside the Building",
            "GAUGE_LOCATION_OUTSIDE_BUILDING": "Outside the Building",
            "FLOWDEVICE_TORNEL_3_FAN": "Tornel 3 110V Fan", "FLOWDEVICE_TORNEL_3_220V_FAN": "Tornel 3 220V Fan",
            "FLOWDEVICE_TORNEL_4_FAN": "Tornel 4 220V Fan", "FLOWDEVICE_WHIRLEX_B_FAN": "Whirlex® B Fan",
            "FLOWDEVICE_HOODEX_METER": "Hoodex Meter", "FLOWDEVICE_PLENARA_AH_METER": "Plenara® AH Meter",
            "FLOWDEVICE_NANOSEEP_METER": "Nanoseep Meter"
        };
        Object.keys(labels).forEach(function(key) {
            compare(tree.getCategory(key)[key].label, labels[key], key);
        });
    }

    function test_pushAndPop() {
        tree.pop();
        compare(tree.currentPath, "", "pop at the root");
        tree.push("TEST_TYPE_BUILDING_TIGHTNESS");
        tree.push("TEST_DIRECTION_DEPRESSURIZE");
        compare(tree.currentPath, "/TEST_TYPE_BUILDING_TIGHTNESS/TEST_DIRECTION_DEPRESSURIZE");
        var before = tree.currentPath;
        tree.push("GAUGE_LOCATION_OUTSIDE_BUILDING");
        tree.pop();
        compare(tree.currentPath, before);
        compare(tree.getCurrentCategory(), tree.gaugeLocations);
        tree.pop();
        tree.pop();
        compare(tree.currentPath, "");
        tree.pop();
        compare(tree.currentPath, "");
        compare(keysOf(tree.getOptions()), ["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_TYPE_DUCT_TIGHTNESS",
                                             "TEST_TYPE_AIR_HANDLER_FLOW", "TEST_TYPE_OTHER"]);
    }

    function test_reset() {
        pushAll(expectedPaths[17][0]);
        compare(tree.getResult(), "DUCT:NONE:NSM_RED:NSM_BLUE");
        tree.reset();
        compare(tree.currentPath, "");
        compare(tree.getCurrentCategory(), tree.testTypes);
    }

    function test_aKeyNotInTheTable() {
        tree.push("TEST_TYPE_OTHER");
        tree.push("FLOWDEVICE_TORNEL_4_FAN");
        compare(tree.getOptions(), []);
        compare(tree.getCurrentCategory(), "");
        verify(tree.getResult() === undefined);
        tree.pop();
        compare(tree.getCurrentCategory(), tree.devices);

        tree.reset();
        tree.push("NOT_A_KEY");
        compare(tree.getOptions(), []);
        compare(tree.getCurrentCategory(), "");
        verify(tree.getResult() === undefined);
    }

    // Positions are compared as plain text: a path cut inside a key still has
    // the entries that continue it below, though no page can reach it.
    function test_positionsAreTextPrefixes() {
        tree.currentPath = "/TEST_TYPE_OTHER/FLOWDEVICE_HOODEX";
        compare(tree.getResult(), "METER/NONE:NONE:FLOW_BOX:NONE");
        compare(tree.getCurrentCategory(), tree.results);
        compare(tree.getOptions(), []);
    }

    // Every option reached from the root by offering and pushing, depth
    // first, must end in exactly the table's thirty results, each once.
    function test_everyEntryIsReachable() {
        var reached = [];
        function visit() {
            var category = tree.getCurrentCategory();
            if (category === tree.results) {
                reached.push(tree.currentPath + "/" + tree.getResult());
                return;
            }
            var options = tree.getOptions();
            verify(options.length > 0, "nothing offered at " + tree.currentPath);
            options.forEach(function(option) {
                var before = tree.currentPath;
                tree.push(option.key);
                visit();
                tree.pop();
                compare(tree.currentPath, before);
            });
        }
        visit();
        var expected = expectedPaths.map(function(entry) { return "/" + entry[0].join("/") + "/" + entry[1]; });
        compare(reached, expected);
    }

    // The table read on its own: the rules the lookups rely on.
    function test_tableInvariants() {
        compare(tree.paths.length, 30);
        var prefixes = ["TEST_TYPE", "TEST_DIRECTION", "GAUGE_LOCATION", "FLOWDEVICE"];
        var fieldValues = [
            ["NONE", "BUILDING", "DUCT", "DUCT_AH", "ENCLOSURE"],
            ["NONE", "OUTSIDE", "BUILDING"],
            ["T3_FAN", "T3_220_FAN", "T4_FAN", "WX_FAN", "NSM_RED", "PA_RED", "FLOW_BOX"],
            ["NONE", "OUTSIDE", "BUILDING", "FAN_REF", "ROUND_TRANS", "NSM_BLUE", "PA_GREEN"]
        ];
        var sequences = {};
        var nextCategoryAt = {};
        for (var i = 0; i < tree.paths.length; ++i) {
            var entry = tree.paths[i];
            var where = "entry " + (i + 1);
            compare(entry.charAt(0), "/", where);
            var segments = entry.substring(1).split("/");
            var result = segments.pop();
            var node = "";
            segments.forEach(function(key) {
                var category = tree.getCategory(key);
                verify(category !== tree.results, where + ": " + key + " has no category");
                verify(category.hasOwnProperty(key), where + ": " + key + " is not in " + category.category);
                if (nextCategoryAt.hasOwnProperty(node))
                    compare(category.category, nextCategoryAt[node], where + ": categories below \"" + node + "\"");
                nextCategoryAt[node] = category.category;
                node += "/" + key;
            });
            if (nextCategoryAt.hasOwnProperty(node))
                compare("RESULTS", nextCategoryAt[node], where + ": categories below \"" + node + "\"");
            nextCategoryAt[node] = "RESULTS";
            prefixes.forEach(function(prefix) {
                verify(result.indexOf(prefix) !== 0, where + ": result begins with " + prefix);
            });
            var fields = result.split(":");
            compare(fields.length, 4, where);
            fields.forEach(function(field, index) {
                verify(fieldValues[index].indexOf(field) >= 0, where + ": field " + (index + 1) + " is " + field);
            });
            var sequence = segments.join("/");
            verify(!sequences.hasOwnProperty(sequence), where + " repeats " + sequence);
            sequences[sequence] = true;
        }
        [tree.testTypes, tree.testDirections, tree.gaugeLocations, tree.devices].forEach(function(map) {
            var keys = Object.keys(map).filter(function(key) { return key !== "category"; });
            keys.forEach(function(key) {
                verify(key.indexOf(map.category) === 0, key + " begins with " + map.category);
                keys.forEach(function(other) {
                    if (other !== key)
                        verify(other.indexOf(key) !== 0, key + " begins " + other);
                });
            });
        });
    }
}
