// Engine result codes in words, for messages.
#ifndef VANTOR_TOOL_ENGINE_ERROR_H
#define VANTOR_TOOL_ENGINE_ERROR_H

#include <cstdint>
#include <string>

namespace vantor {

// "cannot open the file (error -4)" and the like.
std::string EngineErrorText(int16_t code);

}  // namespace vantor

#endif  // VANTOR_TOOL_ENGINE_ERROR_H
