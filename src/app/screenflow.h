#pragma once

class Form1;
class Form2;
class Form3;
class FormNameFile;
class Program;

// What the screens' buttons lead to: the checks, the record written, the next window. Program
// connects each screen's buttons to these when it makes the screen; the screens themselves know
// nothing of the run.
namespace ScreenFlow
{
// A screen just made: its buttons and window frame connected to what follows them.
void connect(Program &program, Form1 &form);
void connect(Program &program, Form2 &form);
void connect(Program &program, Form3 &form);
void connect(Program &program, FormNameFile &form);
} // namespace ScreenFlow
