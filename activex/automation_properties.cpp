#include "automation_properties.h"

#include <string>
#include <string_view>
#include <vector>

namespace trov {
namespace {

// Property names and defaults are plain ASCII.
std::wstring Widen(std::string_view text) { return std::wstring(text.begin(), text.end()); }

struct WideTexts {
  std::vector<std::wstring> names;
  std::vector<std::wstring> defaultTexts;

  WideTexts() {
    for (const ControlProperty& property : ControlProperties()) {
      names.push_back(Widen(property.name));
      defaultTexts.push_back(Widen(property.persistedDefault.text));
    }
  }
};

const WideTexts& Texts() {
  static const WideTexts texts;
  return texts;
}

std::size_t RowOf(const ControlProperty& property) {
  return static_cast<std::size_t>(&property - ControlProperties().data());
}

}  // namespace

VARTYPE VariantTypeOf(PropertyType type) {
  switch (type) {
    case PropertyType::kBool:
      return VT_BOOL;
    case PropertyType::kShort:
      return VT_I2;
    case PropertyType::kLong:
      return VT_I4;
    case PropertyType::kText:
      break;
  }
  return VT_BSTR;
}

const wchar_t* AutomationName(const ControlProperty& property) {
  return Texts().names[RowOf(property)].c_str();
}

const wchar_t* AutomationDefaultText(const ControlProperty& property) {
  return Texts().defaultTexts[RowOf(property)].c_str();
}

}  // namespace trov
