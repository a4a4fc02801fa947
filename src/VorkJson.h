#ifndef VORKJSON_H
#define VORKJSON_H

#include <QByteArray>
#include <json/value.h>

// Reading server replies without exceptions. The JSON library throws when a value is converted
// to a type it does not hold (a string read as a number, a member looked up in an array) and
// when a text nests deeper than its own stack limit; a server's reply must never end the
// program, so replies are read and examined through these instead.
namespace VorkJson {

// Bounds of a reply that is read at all: far above anything a storage server sends, low enough
// that a reply can neither exhaust memory nor come near the library's stack limit.
const int MAX_REPLY_BYTES = 8 * 1024 * 1024;
const int MAX_REPLY_DEPTH = 64;

// Reads the JSON text [begin, end) of a server reply into `root`; never throws. True when the
// text held one whole JSON value.
//
// A text of more than MAX_REPLY_BYTES, or one that nests arrays and objects more than
// MAX_REPLY_DEPTH deep, is refused unread: `root` becomes a null value and the result is false.
// Within those bounds, a text that stops being JSON part-way leaves in `root` what was read
// before the stop, as the library's reader does, and the result is false. `collectComments`
// keeps the text's comments with the values.
bool parse(const char *begin, const char *end, Json::Value &root, bool collectComments = false);

// A reply as the photo application's scripts print it: a JSON object and one line end. The body
// without its last byte is read by parse(), whose verdict is not kept: the members read are what
// count, and a body that is empty or beyond the bounds gives a null value.
Json::Value readReplyBody(const QByteArray &body);

// `value[key]` when `value` is an object holding `key`, else a null value.
const Json::Value &member(const Json::Value &value, const char *key);

// The one reading of a server's yes/no answer: true only for the boolean true, a number other
// than zero, or the text "true" or "1". Anything else (false, 0, null, other texts such as
// "false", arrays, objects) is false.
bool isTrue(const Json::Value &value);

// Whether a reply says it succeeded: its member "success" read by isTrue(); an absent member, or
// a reply that is no object, is a failure.
bool succeeded(const Json::Value &reply);

// The truth of a value: false for null, a number when it is nonzero, a string, array or object
// when it is not empty, a boolean as it stands.
bool truth(const Json::Value &value);

// A number as an int (a real one truncated toward zero, clamped to the int range), a boolean as
// 1 or 0; `fallback` for null, strings, arrays and objects.
int toInt(const Json::Value &value, int fallback = 0);

} // namespace VorkJson

#endif // VORKJSON_H
