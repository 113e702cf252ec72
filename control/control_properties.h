// The control's properties, stated once: name, dispatch id, type, access, the session option a
// Boolean property views, the value a new core holds, and where and with which default a saved
// form carries it. The automation dispatch table, persistence and the command-line tool's
// defaults are built from this table, and a test holds the type library's source against it.
#ifndef VANTOR_CONTROL_PROPERTIES_H
#define VANTOR_CONTROL_PROPERTIES_H

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "control_core.h"

namespace trov {

enum class PropertyType : uint8_t { kBool, kShort, kLong, kText };

// Saved forms carry a Boolean as 0 or 1.
struct PropertyValue {
  int32_t number = 0;
  std::string_view text;  // kText properties only
};

struct ControlProperty {
  std::string_view name;
  int32_t dispatchId;
  PropertyType type;
  bool readOnly;
  std::optional<OptionProperty> option;  // the bit of the session's option word it views
  // What a new control core reports before any property is loaded; none where the core does
  // not hold the value (run-time state, the control's own members).
  std::optional<int32_t> coreDefault;
  // Position in a saved form, from 1; 0 when the property is not saved. Loading and saving
  // follow this order because the stream form carries values without names.
  int persistOrder;
  PropertyValue persistedDefault;  // for a missing value and for "equal to its default"
};

// Every property of the automation interface, in dispatch id order (Text, the stock text
// property, last).
std::span<const ControlProperty> ControlProperties();
const ControlProperty* FindControlProperty(int32_t dispatchId);
const ControlProperty* FindControlProperty(std::string_view name);
// The property that views this option bit; every option has exactly one.
const ControlProperty& PropertyOfOption(OptionProperty option);

}  // namespace trov

#endif  // VANTOR_CONTROL_PROPERTIES_H
