#pragma once
// The signs of the code page that the tokenizer writes into a word as
// another character, so that a finding's words name them so ("10×10 mm"
// is "10x10.mm"); the marking matches them back to the text.

// The character written for `c`: 'x' for the multiplication sign, '+' for
// plus-minus, '_' for the middle dot, '.' for the en dash; 0 for any other.
constexpr char SignReadAs(unsigned char c) {
  switch (c) {
    case 0xD7: return 'x';
    case 0xB1: return '+';
    case 0xB7: return '_';
    case 0x96: return '.';
    default: return 0;
  }
}
