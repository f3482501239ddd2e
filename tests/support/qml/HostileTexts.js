.pragma library

// Texts that come from outside (files, plug-ins, the device, other apps) and
// would be markup to a text item that takes rich text: each must be shown as
// the very characters it holds.

// A text of at least `size` characters made of `piece` repeated.
function __repeated(piece, size) {
    var text = "";
    while (text.length < size)
        text += piece;
    return text;
}

// The table of texts, for a test's _data function: `marker` is the file URL
// of a local picture (testMarkerPicture).
function rows(marker) {
    return [
        { tag: "local picture", text: "<img src=\"" + marker + "\">" },
        { tag: "remote picture", text: "<img src=\"http://127.0.0.1:9/x.png\">" },
        { tag: "bold", text: "<b>bold</b>" },
        { tag: "link", text: "<a href=\"x\">link</a>" },
        { tag: "entities", text: "&lt;b&gt; &amp; &quot;" },
        { tag: "10 kB", text: __repeated("<i>10 kB</i> ", 10240) },
        { tag: "newlines", text: "<b>first</b> line\nsecond line\n\nthird" }
    ];
}

// The text items (objects with a textFormat) below `item` whose text is `text`.
function textItems(item, text, found) {
    found = found || [];
    if (!item)
        return found;
    if (item.textFormat !== undefined && item.text === text)
        found.push(item);
    var kids = item.data !== undefined ? item.data : (item.children !== undefined ? item.children : []);
    for (var i = 0; i < kids.length; ++i)
        textItems(kids[i], text, found);
    return found;
}
