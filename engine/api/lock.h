// The one process-wide engine lock, created lazily by whichever thread calls first and never
// destroyed, so it stays usable during static destruction.
#ifndef TROV_LOCK_H
#define TROV_LOCK_H

namespace trov {

void TakeEngineLock();
void ReleaseEngineLock();

}  // namespace trov

#endif  // TROV_LOCK_H
