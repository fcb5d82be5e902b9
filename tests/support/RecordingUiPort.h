#pragma once

#include "core/UiPort.h"
#include "text/TextValue.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace cardgen::testing {

// A window stand-in that logs every call in order and answers from plain fields.
// Control names in the log are the UTF-8 object names.
class RecordingUiPort : public UiPort {
public:
    std::map<std::string, TextValue, std::less<>> texts;
    std::set<std::string, std::less<>> checked;
    std::optional<std::filesystem::path> savePath;
    // Runs inside pumpEvents before it answers; number counts the calls from 1.
    // Its result is pumpEvents' answer.
    std::function<bool(int number)> onPump;

    std::vector<std::string> calls;
    std::string output;
    std::vector<TextValue> messages;
    std::int32_t progressMin = -1;
    std::int32_t progressMax = -1;
    std::int32_t progressPosition = -1;
    int pumps = 0;

    TextValue readText(std::string_view editBox) override {
        calls.push_back("readText " + std::string(editBox));
        const auto found = texts.find(editBox);
        return found == texts.end() ? TextValue() : found->second;
    }

    bool isChecked(std::string_view radioButton) override {
        calls.push_back("isChecked " + std::string(radioButton));
        return checked.contains(radioButton);
    }

    void setProgressRange(std::int32_t min, std::int32_t max) override {
        calls.push_back("setProgressRange " + std::to_string(min) + " " + std::to_string(max));
        progressMin = min;
        progressMax = max;
    }

    void setProgressPosition(std::int32_t position) override {
        calls.push_back("setProgressPosition " + std::to_string(position));
        progressPosition = position;
    }

    void setOutputText(const TextValue& text) override {
        calls.push_back("setOutputText " + std::string(text.bytes()));
        output = text.bytes();
    }

    void appendOutput(std::string_view text) override {
        calls.push_back("appendOutput " + std::string(text));
        output += text;
    }

    bool pumpEvents() override {
        calls.emplace_back("pumpEvents");
        ++pumps;
        return onPump ? onPump(pumps) : true;
    }

    void showInfo(const TextValue& message) override {
        calls.push_back("showInfo " + std::string(message.bytes()));
        messages.push_back(message);
    }

    std::optional<std::filesystem::path> chooseSaveFile() override {
        calls.emplace_back("chooseSaveFile");
        return savePath;
    }
};

} // namespace cardgen::testing
