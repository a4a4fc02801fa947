#include "VorkJson.h"

#include <climits>
#include <cmath>

namespace VorkJson {

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
