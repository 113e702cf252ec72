// A folder of each user's own for the user dictionaries. An installation for all users puts the
// control where standard users cannot write, so it names a per-user folder in the registry
// ("UserDictionaryFolder" under the product's key, environment variables allowed); the control
// then keeps the user dictionaries there, seeded with the ones shipped beside it.
#ifndef VANTOR_USER_DICTIONARY_FOLDER_H
#define VANTOR_USER_DICTIONARY_FOLDER_H

#include <string>

namespace trov {

// The prepared folder without its last backslash, or empty when none is configured or it cannot
// be made (the user dictionaries then stay beside the module).
std::string PrepareUserDictionaryFolder(const std::string& moduleDirectory);

}  // namespace trov

#endif  // VANTOR_USER_DICTIONARY_FOLDER_H
