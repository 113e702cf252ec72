#include "persisted_properties.h"

#include <array>

namespace trov {
namespace {

constexpr int32_t kTrue = 1;
constexpr int32_t kFalse = 0;

constexpr std::array<PersistedProperty, 36> kProperties = {{
    // The control's own members.
    {L"ShowContext", 1, VT_BOOL, kFalse, nullptr},
    {L"ShowDialog", 2, VT_BOOL, kTrue, nullptr},
    {L"DialogLeft", 4, VT_I4, -1, nullptr},
    {L"DialogTop", 5, VT_I4, -1, nullptr},
    {L"ShowDictionariesButton", 54, VT_BOOL, kTrue, nullptr},
    {L"ShowOptionsButton", 53, VT_BOOL, kTrue, nullptr},
    // Options of the core and the engine, applied as they are read.
    {L"AllowAccentedCaps", 49, VT_BOOL, kTrue, nullptr},
    {L"AutoCorrect", 43, VT_BOOL, kTrue, nullptr},
    {L"BackupUserDictionary", 52, VT_BOOL, kFalse, nullptr},
    {L"CaseSensitive", 12, VT_BOOL, kTrue, nullptr},
    {L"CatchDoubledWords", 14, VT_BOOL, kTrue, nullptr},
    {L"CatchMixedCaseWords", 15, VT_BOOL, kFalse, nullptr},
    {L"CatchWordsWithDigits", 16, VT_BOOL, kFalse, nullptr},
    {L"CharacterSet", 51, VT_I2, 1, nullptr},
    {L"IgnoreAllCapsWords", 18, VT_BOOL, kFalse, nullptr},
    {L"IgnoreCapitalizedWords", 40, VT_BOOL, kFalse, nullptr},
    {L"IgnoreDomainNames", 48, VT_BOOL, kFalse, nullptr},
    {L"IgnoreHTMLMarkups", 50, VT_BOOL, kFalse, nullptr},
    {L"IgnoreMixedCaseWords", 19, VT_BOOL, kFalse, nullptr},
    {L"IgnoreNonAlphaWords", 47, VT_BOOL, kTrue, nullptr},
    {L"IgnoreWordsWithDigits", 20, VT_BOOL, kFalse, nullptr},
    // Main dictionaries open before the user dictionaries, so they take the lower lexicon ids.
    {L"MainDictionaryFiles", 22, VT_BSTR, 0, L"trovam.tlx,trovam2.clx"},
    {L"MaxSuggestions", 23, VT_I2, 16, nullptr},
    {L"MinSuggestionDepth", 24, VT_I2, 50, nullptr},
    {L"MinSuggestionScore", 42, VT_I2, 50, nullptr},
    {L"PhoneticSuggestions", 25, VT_BOOL, kFalse, nullptr},
    {L"SplitContractedWords", 26, VT_BOOL, kFalse, nullptr},
    {L"SplitHyphenatedWords", 27, VT_BOOL, kTrue, nullptr},
    {L"SplitWords", 28, VT_BOOL, kFalse, nullptr},
    {L"StripPossessives", 29, VT_BOOL, kTrue, nullptr},
    {L"SuggestionDepthIncrement", 31, VT_I2, 10, nullptr},
    {L"SuggestionScoreRange", 41, VT_I2, 50, nullptr},
    {L"SuggestSplitWords", 32, VT_BOOL, kTrue, nullptr},
    {L"TypographicalSuggestions", 34, VT_BOOL, kTrue, nullptr},
    {L"UserDictionaryFiles", kUserDictionaryFilesId, VT_BSTR, 0, L"userdic.tlx,correct.tlx"},
    // Form 1.1.
    {L"RankedSuggestions", 87, VT_BOOL, kFalse, nullptr},
}};

}  // namespace

std::span<const PersistedProperty> PersistedProperties() { return kProperties; }

std::span<const PersistedProperty> PersistedPropertiesOfForm(uint16_t minorVersion) {
  const std::span<const PersistedProperty> all = kProperties;
  return minorVersion == 0 ? all.first(kForm10Properties) : all;
}

StoredValue DefaultValue(const PersistedProperty& property) {
  if (property.type == VT_BSTR) return {0, property.defaultText};
  return {property.defaultNumber, {}};
}

bool StoredFromVariant(const PersistedProperty& property, const VARIANT& value, StoredValue& out) {
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, property.type))) return false;
  switch (property.type) {
    case VT_BOOL:
      out = {V_BOOL(&converted) != VARIANT_FALSE ? 1 : 0, {}};
      break;
    case VT_I2:
      out = {V_I2(&converted), {}};
      break;
    case VT_I4:
      out = {V_I4(&converted), {}};
      break;
    default:
      out = {0, std::wstring(V_BSTR(&converted), SysStringLen(V_BSTR(&converted)))};
      break;
  }
  VariantClear(&converted);
  return true;
}

HRESULT VariantFromStored(const PersistedProperty& property, const StoredValue& value,
                          VARIANT& out) {
  VariantInit(&out);
  V_VT(&out) = property.type;
  switch (property.type) {
    case VT_BOOL:
      V_BOOL(&out) = value.number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    case VT_I2:
      V_I2(&out) = static_cast<SHORT>(value.number);
      return S_OK;
    case VT_I4:
      V_I4(&out) = value.number;
      return S_OK;
    default:
      V_BSTR(&out) = SysAllocStringLen(value.text.data(), static_cast<UINT>(value.text.size()));
      if (V_BSTR(&out) != nullptr) return S_OK;
      V_VT(&out) = VT_EMPTY;
      return E_OUTOFMEMORY;
  }
}

}  // namespace trov
