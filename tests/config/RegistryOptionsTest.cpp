// Loading the three stored options of the configuration dialog, over an in-memory store.
#include <gtest/gtest.h>

#include <map>

#include "config/RegistryOptions.h"

namespace {

// Values by name; with blnForceStatus every read answers strReadStatus and strReadValue.
class FakeStore : public Registry3::SettingsStore {
  public:
    std::string WriteStringValue(const std::string& keyPath, const std::string& name,
                                 const std::string& value) override {
        EXPECT_EQ(keyPath, "Software\\Quillfen\\ZDR");
        values[name] = value;
        ++intWrites;
        return "0 Key already exists.  The operation completed successfully.";
    }
    std::string ReadStringValue(const std::string& keyPath, const std::string& name,
                                std::string& value) override {
        EXPECT_EQ(keyPath, "Software\\Quillfen\\ZDR");
        if (blnForceStatus) {
            value = strReadValue;
            return strReadStatus;
        }
        const auto it = values.find(name);
        if (it == values.end())
            return "3 Name not found.";
        value = it->second;
        return "0 OK";
    }
    std::map<std::string, std::string> values;
    bool blnForceStatus = false;
    std::string strReadStatus;
    std::string strReadValue;
    int intWrites = 0;
};

TEST(RegistryOptionsTest, MalformedMoonCountsAsOnAndIsRepaired) {
    FakeStore store;
    store.values["Moon"] = "yes";
    EXPECT_TRUE(Registry3::LoadMoonOption(store));
    EXPECT_EQ(store.values["Moon"], "1");

    store.values["Moon"] = "0";
    EXPECT_FALSE(Registry3::LoadMoonOption(store));
    EXPECT_EQ(store.values["Moon"], "0");
    EXPECT_EQ(store.intWrites, 2);
}

TEST(RegistryOptionsTest, MissingIPADClearsTheSuppressBox) {
    FakeStore store;
    EXPECT_FALSE(Registry3::LoadIPADOption(store));
    EXPECT_EQ(store.values["IPAD"], "1");

    store.values["IPAD"] = "0";
    EXPECT_TRUE(Registry3::LoadIPADOption(store));
    EXPECT_EQ(store.values["IPAD"], "0");
}

TEST(RegistryOptionsTest, MissingTZDispFollowsThePCsTimezone) {
    FakeStore store;
    EXPECT_FALSE(Registry3::LoadTZDispOption(store, 60));
    EXPECT_EQ(store.values["TZDisp"], "0");
    store.values.clear();
    EXPECT_TRUE(Registry3::LoadTZDispOption(store, -300));
    EXPECT_EQ(store.values["TZDisp"], "1");
    for (const int32_t intMinutes : {-600, -150}) {
        store.values.clear();
        EXPECT_TRUE(Registry3::LoadTZDispOption(store, intMinutes)) << intMinutes;
    }
    for (const int32_t intMinutes : {-601, -149, 0}) {
        store.values.clear();
        EXPECT_FALSE(Registry3::LoadTZDispOption(store, intMinutes)) << intMinutes;
    }
    store.values["TZDisp"] = "0";
    EXPECT_FALSE(Registry3::LoadTZDispOption(store, -300));
    store.values["TZDisp"] = "on";
    EXPECT_TRUE(Registry3::LoadTZDispOption(store, 60));
    EXPECT_EQ(store.values["TZDisp"], "1");
}

TEST(RegistryOptionsTest, EveryFailedReadFallsBackToTheDefault) {
    for (const char* status : {"1 Key not found or is empty.", "2 Name not specified.",
                               "3 Name not found.", "4 The data is invalid.", ""}) {
        FakeStore store;
        store.blnForceStatus = true;
        store.strReadStatus = status;
        store.strReadValue = "0";
        EXPECT_TRUE(Registry3::LoadMoonOption(store)) << status;
        EXPECT_FALSE(Registry3::LoadIPADOption(store)) << status;
        EXPECT_FALSE(Registry3::LoadTZDispOption(store, 60)) << status;
        EXPECT_TRUE(Registry3::LoadTZDispOption(store, -300)) << status;
        EXPECT_EQ(store.values["Moon"], "1");
        EXPECT_EQ(store.values["IPAD"], "1");
        EXPECT_EQ(store.values["TZDisp"], "1");
    }
    FakeStore store;
    store.blnForceStatus = true;
    store.strReadStatus = "0 OK probably";
    store.strReadValue = "0";
    EXPECT_FALSE(Registry3::LoadMoonOption(store));
}

}  // namespace

TEST(RegistryOptionsTest, HouseOptionsRoundTripAndStayUnstoredAtTheirDefaults) {
    struct Case {
        int16_t intSystem;
        bool blnAscendantLeft;
        bool blnAngles;
        int intWrites;          // into an empty store
        const char* strSystem;  // stored; "" none
        const char* strWheel;
        const char* strAngles;
    };
    const Case cases[] = {
        {0, true, false, 0, "", "", ""},  // the defaults leave the store as it was
        {1, true, false, 1, "koch", "", ""},
        {6, false, false, 2, "whole-sign", "aries", ""},
        {0, false, true, 2, "", "aries", "1"},
        {8, true, true, 2, "topocentric", "", "1"},
    };
    for (const Case& c : cases) {
        FakeStore store;
        Registry3::SaveHouseOptions(store, {c.intSystem, c.blnAscendantLeft, c.blnAngles});
        EXPECT_EQ(store.intWrites, c.intWrites) << c.intSystem;
        EXPECT_EQ(store.values["HouseSystem"], c.strSystem);
        EXPECT_EQ(store.values["WheelLeft"], c.strWheel);
        EXPECT_EQ(store.values["AnglesInAspects"], c.strAngles);
        const Registry3::HouseOptions loaded = Registry3::LoadHouseOptions(store);
        EXPECT_EQ(loaded.intSystem, c.intSystem);
        EXPECT_EQ(loaded.blnAscendantLeft, c.blnAscendantLeft);
        EXPECT_EQ(loaded.blnAnglesInAspects, c.blnAngles);
        // Saving what is stored writes nothing more.
        Registry3::SaveHouseOptions(store, loaded);
        EXPECT_EQ(store.intWrites, c.intWrites);
    }
    // Unknown values read as the defaults; going back to a default stores it.
    FakeStore store;
    store.values = {{"HouseSystem", "nonsense"}, {"WheelLeft", "up"}};
    EXPECT_EQ(Registry3::LoadHouseOptions(store).intSystem, 0);
    EXPECT_TRUE(Registry3::LoadHouseOptions(store).blnAscendantLeft);
    store.values = {{"HouseSystem", "Koch"}, {"WheelLeft", "aries"}};
    Registry3::SaveHouseOptions(store, {0, true});
    EXPECT_EQ(store.values["HouseSystem"], "placidus");
    EXPECT_EQ(store.values["WheelLeft"], "ascendant");
}
