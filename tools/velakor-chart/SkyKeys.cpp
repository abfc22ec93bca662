#include "SkyKeys.h"

#include <array>
#include <utility>

namespace velakor {
namespace {

const std::array<std::pair<std::string_view, SkyAyanamsa>, 4> kAyanamsaKeys = [] {
    std::array<std::pair<std::string_view, SkyAyanamsa>, 4> keys;
    for (std::size_t i = 0; i < kAyanamsas.size(); ++i) keys[i] = {AyanamsaKey(kAyanamsas[i]), kAyanamsas[i]};
    return keys;
}();
constexpr std::array<std::pair<std::string_view, SkyNode>, 2> kNodes{{{"Mean", SkyNode::Mean}, {"True", SkyNode::True}}};
constexpr std::array<std::pair<std::string_view, SkyPositions>, 2> kPositions{
    {{"builtin", SkyPositions::Builtin}, {"precise", SkyPositions::Precise}}};

// Reads one key into value; false (with the error written) for a value not in the list.
template <typename T, std::size_t N>
bool ReadOne(const nlohmann::json& record, std::string_view key,
             const std::array<std::pair<std::string_view, T>, N>& values, T& value, SkyKeys& out) {
    const auto it = record.find(std::string(key));
    if (it == record.end()) return true;
    out.Given = true;
    if (it->is_string()) {
        for (const auto& [name, v] : values) {
            if (name == it->get<std::string>()) {
                value = v;
                return true;
            }
        }
    }
    std::string list;
    for (const auto& [name, v] : values) list += (list.empty() ? "\"" : ", \"") + std::string(name) + "\"";
    out.Error = "key " + std::string(key) + " must be one of " + list;
    return false;
}

template <typename T, std::size_t N>
std::string_view NameOf(const std::array<std::pair<std::string_view, T>, N>& values, T value) {
    for (const auto& [name, v] : values) {
        if (v == value) return name;
    }
    return {};
}

}  // namespace

bool IsSkyKey(std::string_view key) { return key == "Positions" || key == "Ayanamsa" || key == "Node"; }

SkyKeys ReadSkyKeys(const nlohmann::json& record) {
    SkyKeys out;
    if (!ReadOne(record, "Positions", kPositions, out.Choice.Positions, out) ||
        !ReadOne(record, "Ayanamsa", kAyanamsaKeys, out.Choice.Ayanamsa, out) ||
        !ReadOne(record, "Node", kNodes, out.Choice.Node, out))
        return out;
    if (out.Choice.Positions == SkyPositions::Builtin) {
        for (std::string_view key : {"Ayanamsa", "Node"}) {
            if (record.contains(std::string(key))) {
                out.Error = "key " + std::string(key) + " needs \"Positions\": \"precise\"";
                return out;
            }
        }
    } else if (!SkyAvailable(out.Choice)) {
        out.Error = "the precise sky's tables cannot be read";
    }
    return out;
}

void WriteSkyAnswer(JsonWriter& out, const SkyChoice& choice) {
    out.BeginObject();
    out.Key("Positions").String(NameOf(kPositions, choice.Positions));
    if (choice.Positions == SkyPositions::Precise) {
        out.Key("Ayanamsa").String(NameOf(kAyanamsaKeys, choice.Ayanamsa));
        out.Key("Node").String(NameOf(kNodes, choice.Node));
    }
    out.EndObject();
}

}  // namespace velakor
