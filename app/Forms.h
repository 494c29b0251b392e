#pragma once
// The single instance of each screen, created on first use and kept until the
// program ends.

class Form1;
class Form2;
class Form3;
class Form4;

namespace Forms {
Form1 &form1();
Form2 &form2();
Form3 &form3();
Form4 &form4();

// Whether the screen has been created yet.
template <class Form> bool exists();

// Destroys every screen (at the end of the program, and between tests).
void destroyAll();
}
