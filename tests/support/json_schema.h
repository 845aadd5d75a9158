#pragma once
// A check of a JSON document against plcalc's schema (cli/plcalc-output.schema.json).

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace schema_check {

using nlohmann::json;

// The schema keywords the file uses: $ref to #/$defs, type (one or a list),
// const, enum, required, properties, additionalProperties: false, items, oneOf.
// Returns the problems found.
inline void Check(const json& schema, const json& root, const json& v, const std::string& at,
                  std::vector<std::string>& problems) {
    if (schema.contains("oneOf")) {
        // Exactly one alternative fits; when none does, the nearest one says why.
        std::vector<std::vector<std::string>> tries;
        for (const json& alt : schema["oneOf"])
            Check(alt, root, v, at, tries.emplace_back());
        const auto fits = std::ranges::count_if(tries, [](const auto& t) { return t.empty(); });
        if (fits > 1) problems.push_back(at + ": fits more than one alternative");
        if (fits == 0) {
            const auto nearest =
                std::ranges::min_element(tries, {}, [](const auto& t) { return t.size(); });
            problems.insert(problems.end(), nearest->begin(), nearest->end());
        }
        return;
    }
    if (schema.contains("$ref")) {
        const std::string ref = schema["$ref"];
        Check(root["$defs"][ref.substr(ref.rfind('/') + 1)], root, v, at, problems);
        return;
    }
    if (schema.contains("const") && v != schema["const"])
        return problems.push_back(at + ": not " + schema["const"].dump());
    if (schema.contains("enum") && std::ranges::find(schema["enum"], v) == schema["enum"].end())
        return problems.push_back(at + ": not one of " + schema["enum"].dump());
    const json types = schema.contains("type") ? schema["type"] : json::array();
    const auto is = [&](const std::string& type) {
        return (type == "object" && v.is_object()) || (type == "array" && v.is_array()) ||
               (type == "string" && v.is_string()) || (type == "number" && v.is_number()) ||
               (type == "boolean" && v.is_boolean()) || (type == "null" && v.is_null());
    };
    const bool ok = types.is_string() ? is(types) : types.empty() || std::ranges::any_of(types, is);
    if (!ok) return problems.push_back(at + ": not " + types.dump());
    if (v.is_object()) {
        for (const auto& key : schema.value("required", json::array()))
            if (!v.contains(key)) problems.push_back(at + ": missing " + key.get<std::string>());
        const json props = schema.value("properties", json::object());
        for (const auto& [key, value] : v.items()) {
            if (props.contains(key))
                Check(props[key], root, value, at + "/" + key, problems);
            else if (schema.value("additionalProperties", true) == false)
                problems.push_back(at + ": undescribed " + key);
        }
    }
    if (v.is_array() && schema.contains("items"))
        for (std::size_t i = 0; i < v.size(); ++i)
            Check(schema["items"], root, v[i], at + "/" + std::to_string(i), problems);
}

inline std::vector<std::string> Problems(const json& schema, const json& doc) {
    std::vector<std::string> problems;
    Check(schema, schema, doc, "", problems);
    return problems;
}

inline json PlcalcSchema() {
    std::ifstream in(PL_SOURCE_DIR "/cli/plcalc-output.schema.json");
    return json::parse(in);
}

} // namespace schema_check

using schema_check::Problems;
