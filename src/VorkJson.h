#ifndef VORKJSON_H
#define VORKJSON_H

#include <json/value.h>

// Reading server replies without exceptions. The JSON library throws when a value is converted
// to a type it does not hold (a string read as a number, a member looked up in an array); a
// server's reply must never end the program, so replies are read through these instead.
namespace VorkJson {

// `value[key]` when `value` is an object holding `key`, else a null value.
const Json::Value &member(const Json::Value &value, const char *key);

// The truth of a value: false for null, a number when it is nonzero, a string, array or object
// when it is not empty, a boolean as it stands.
bool truth(const Json::Value &value);

// A number as an int (a real one truncated toward zero, clamped to the int range), a boolean as
// 1 or 0; `fallback` for null, strings, arrays and objects.
int toInt(const Json::Value &value, int fallback = 0);

} // namespace VorkJson

#endif // VORKJSON_H
