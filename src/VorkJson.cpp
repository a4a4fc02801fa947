#include "VorkJson.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <exception>

// The classic reader is kept on purpose: it parses straight into the caller's value and leaves
// what it had read there when a text turns out malformed. Newer library versions mark it
// deprecated.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
#include <json/reader.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

// Whether the JSON text of `size` bytes opens more than `limit` arrays and objects at once. Strings
// and comments are skipped, so brackets inside them do not count.
bool nestsDeeperThan(const char *text, size_t size, int limit)
{
    int depth = 0;
    size_t i = 0;
    while (i < size) {
        const char c = text[i++];
        if (c == '"') {
            // To the closing quote; a backslash takes the next character with it.
            while (i < size && text[i] != '"')
                i += text[i] == '\\' ? 2 : 1;
            ++i;
        } else if (c == '[' || c == '{') {
            if (++depth > limit)
                return true;
        } else if (c == ']' || c == '}') {
            if (depth > 0)
                --depth;
        } else if (c == '/' && i < size && text[i] == '/') {
            while (i < size && text[i] != '\n')
                ++i;
        } else if (c == '/' && i < size && text[i] == '*') {
            ++i;
            while (i < size && !(text[i] == '*' && i + 1 < size && text[i + 1] == '/'))
                ++i;
            i += 2;
        }
    }
    return false;
}

} // namespace

namespace VorkJson {

bool parse(const char *begin, const char *end, Json::Value &root, bool collectComments)
{
    if (!begin || end < begin || end - begin > MAX_REPLY_BYTES ||
        nestsDeeperThan(begin, static_cast<size_t>(end - begin), MAX_REPLY_DEPTH)) {
        root = Json::Value();
        return false;
    }
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    try {
        Json::Reader reader;
        return reader.parse(begin, end, root, collectComments);
    } catch (const std::exception &) {
        // Whatever the reader had built when it gave up is no reply to go by.
        root = Json::Value();
        return false;
    }
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
}

Json::Value readReplyBody(const QByteArray &body)
{
    Json::Value root;
    if (body.isEmpty())
        return root;
    const char *begin = body.constData();
    parse(begin, begin + body.size() - 1, root, false);
    return root;
}

bool isTrue(const Json::Value &value)
{
    switch (value.type()) {
    case Json::booleanValue:
        return value.asBool();
    case Json::intValue:
        return value.asLargestInt() != 0;
    case Json::uintValue:
        return value.asLargestUInt() != 0;
    case Json::realValue:
        return value.asDouble() != 0.0;
    case Json::stringValue: {
        const char *text = nullptr;
        const char *textEnd = nullptr;
        if (!value.getString(&text, &textEnd))
            return false;
        const size_t length = static_cast<size_t>(textEnd - text);
        return (length == 4 && std::memcmp(text, "true", 4) == 0) ||
               (length == 1 && text[0] == '1');
    }
    default:
        return false;
    }
}

bool succeeded(const Json::Value &reply)
{
    return isTrue(member(reply, "success"));
}

const Json::Value &member(const Json::Value &value, const char *key)
{
    static const Json::Value s_null;
    if (!value.isObject())
        return s_null;
    const Json::Value *found = value.find(key, key + std::char_traits<char>::length(key));
    return found ? *found : s_null;
}

bool truth(const Json::Value &value)
{
    switch (value.type()) {
    case Json::nullValue:
        return false;
    case Json::intValue:
        return value.asLargestInt() != 0;
    case Json::uintValue:
        return value.asLargestUInt() != 0;
    case Json::realValue:
        return value.asDouble() != 0.0;
    case Json::stringValue: {
        const char *begin = nullptr;
        const char *end = nullptr;
        return value.getString(&begin, &end) && end != begin;
    }
    case Json::booleanValue:
        return value.asBool();
    case Json::arrayValue:
    case Json::objectValue:
        return value.size() != 0;
    }
    return false;
}

int toInt(const Json::Value &value, int fallback)
{
    switch (value.type()) {
    case Json::intValue: {
        const Json::LargestInt v = value.asLargestInt();
        return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
    }
    case Json::uintValue: {
        const Json::LargestUInt v = value.asLargestUInt();
        return v > static_cast<Json::LargestUInt>(INT_MAX) ? INT_MAX : static_cast<int>(v);
    }
    case Json::realValue: {
        const double v = value.asDouble();
        if (std::isnan(v))
            return fallback;
        if (v >= static_cast<double>(INT_MAX))
            return INT_MAX;
        if (v <= static_cast<double>(INT_MIN))
            return INT_MIN;
        return static_cast<int>(v);
    }
    case Json::booleanValue:
        return value.asBool() ? 1 : 0;
    default:
        return fallback;
    }
}

} // namespace VorkJson
