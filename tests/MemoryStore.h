#pragma once
// A settings store in memory, for tests and benchmarks that must leave the user's own
// settings alone. Values are kept under "key path|name".

#include <map>
#include <string>

#include "config/SettingsStore.h"

class MemoryStore final : public Registry3::SettingsStore {
  public:
    std::string WriteStringValue(const std::string& keyPath, const std::string& name,
                                 const std::string& value) override {
        values[keyPath + "|" + name] = value;
        return "0 Key already exists.";
    }
    std::string ReadStringValue(const std::string& keyPath, const std::string& name,
                                std::string& value) override {
        const auto found = values.find(keyPath + "|" + name);
        if (found == values.end())
            return "3 Name not found.";
        value = found->second;
        return "0 OK";
    }
    std::map<std::string, std::string> values;
};
