#include "config/LanguageSetting.h"

#include "engine/Catalogue.h"
#include "text/Language.h"

namespace Language {

namespace {

const char* const strLanguageValueName = "Language";

}  // namespace

std::string StoredLanguage(Registry3::SettingsStore& store) {
    std::string value;
    const std::string status =
        store.ReadStringValue(ApplicationKeyPath(), strLanguageValueName, value);
    return !status.empty() && status[0] == '0' ? value : std::string();
}

std::string StoreLanguage(Registry3::SettingsStore& store) {
    const char* code = strLanguageCode[intLanguage == intGerman ? intGerman : intEnglish];
    return store.WriteStringValue(ApplicationKeyPath(), strLanguageValueName, code);
}

std::string SwitchLanguage(int16_t language, Registry3::SettingsStore& store) {
    intLanguage = language == intGerman ? intGerman : intEnglish;
    ZDR::BuildCatalogueNames();
    return StoreLanguage(store);
}

}  // namespace Language
