.pragma library

// Taps as a person makes them: a press, about 80 ms of contact, a release,
// all at one point of the item (its centre unless given). `testCase` is the
// calling TestCase, whose event functions send the input.

var holdMilliseconds = 80;

function __point(item, x, y) {
    return { "x": x === undefined ? item.width / 2 : x, "y": y === undefined ? item.height / 2 : y };
}

function tap(testCase, item, x, y) {
    var at = __point(item, x, y);
    testCase.mousePress(item, at.x, at.y);
    testCase.wait(holdMilliseconds);
    testCase.mouseRelease(item, at.x, at.y);
}

function touchTap(testCase, item, x, y) {
    var at = __point(item, x, y);
    var touch = testCase.touchEvent(item);
    touch.press(0, item, at.x, at.y).commit();
    testCase.wait(holdMilliseconds);
    touch.release(0, item, at.x, at.y).commit();
}
