// The engine's test seams: what its tests set or read that no caller of the engine may. Only
// tests include this header, and the files that define the hooks, so the compiler checks that
// both sides agree.
#ifndef TROV_TEST_HOOKS_H
#define TROV_TEST_HOOKS_H

#include <cstdint>

namespace trov {

struct BuiltinLexEntry;

// The session table's capacity (0 while no session has been opened).
int32_t SessionTableCapacity();

// Replaces the table consulted by FindBuiltinLexicon (tests supply their own); null restores
// the delivered table, which is empty.
void UseBuiltinLexiconTable(const BuiltinLexEntry* table);

// The n-th block handed to the file system from now on (1 = the next) is refused as if the disk
// were full; 0 turns the failure off. It fires once.
void FailLexFileWriteForTest(int32_t n);

}  // namespace trov

#endif  // TROV_TEST_HOOKS_H
