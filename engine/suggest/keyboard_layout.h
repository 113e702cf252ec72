// Where the letters sit on an English keyboard: a typist's slip usually hits a neighbouring key,
// so a substitution between neighbours is a likelier typing error than any other.
#ifndef TROV_KEYBOARD_LAYOUT_H
#define TROV_KEYBOARD_LAYOUT_H

namespace trov {

// True when a and b are distinct lower-case letters a-z on touching keys of a QWERTY keyboard.
bool NeighbouringKeys(unsigned char a, unsigned char b);

}  // namespace trov

#endif  // TROV_KEYBOARD_LAYOUT_H
