// The product's settings in the registry: string values under HKEY_LOCAL_MACHINE with the key
// name the text-control mappings use too.
#ifndef VANTOR_PRODUCT_SETTINGS_H
#define VANTOR_PRODUCT_SETTINGS_H

#include <cstddef>
#include <string>

namespace trov {

// The string value name (plain or expandable, not expanded), or empty when the key or the value
// is missing, is no string, or is longer than limit bytes.
std::string ProductSetting(const char* name, std::size_t limit);

}  // namespace trov

#endif  // VANTOR_PRODUCT_SETTINGS_H
