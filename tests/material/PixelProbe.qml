import QtQuick 2.4

// Reads the pixels of an item: grab(item) renders the item into a PNG in the
// working directory (the test's build directory) and loads it back through this
// canvas; `ready` turns true when pixel(x, y) can be read. (TestCase.grabImage
// returns empty images on the offscreen platform with the software renderer.)
Canvas {
    id: probe

    property bool ready: false
    property var __data: null
    property string __url: ""
    property int __count: 0

    width: 1
    height: 1
    z: -1
    onImageLoaded: requestPaint()
    onPaint: {
        if (__url === "" || !isImageLoaded(__url))
            return;
        var ctx = getContext("2d");
        ctx.clearRect(0, 0, width, height);
        ctx.drawImage(__url, 0, 0);
        __data = ctx.getImageData(0, 0, width, height);
        ready = true;
    }

    // fileName: where the grab is kept (the last one of each name stays there).
    function grab(item, fileName) {
        ready = false;
        __data = null;
        width = Math.max(1, item.width);
        height = Math.max(1, item.height);
        __count += 1;
        var name = (fileName || "probe") + "-" + __count + ".png";
        item.grabToImage(function(result) {
            if (!result.saveToFile(name))
                return;
            probe.__url = "file:" + name;
            probe.loadImage(probe.__url);
        });
    }

    // { r, g, b, a } in 0 ... 255.
    function pixel(x, y) {
        var i = 4 * (Math.floor(y) * width + Math.floor(x));
        var d = __data.data;
        return { "r": d[i], "g": d[i + 1], "b": d[i + 2], "a": d[i + 3] };
    }

    // Number of pixels for which test(pixel) is true.
    function count(test) {
        var n = 0;
        for (var y = 0; y < height; ++y) {
            for (var x = 0; x < width; ++x) {
                if (test(pixel(x, y)))
                    ++n;
            }
        }
        return n;
    }
}
