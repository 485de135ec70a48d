// Turns a display that cannot be opened into a Russian message and exit code 1 instead of Qt's abort.
#pragma once

namespace duel {

// While it lives (around the construction of QApplication), a display platform
// that Qt cannot open -- no DISPLAY, an X server that does not answer, a
// platform plugin that fails -- ends the program with exit code 1 and a message
// in Russian naming what was missing, where Qt would abort (exit code 134) with
// an English text.  Qt's other messages meanwhile are held back and passed on
// when it ends, so a start that succeeds prints what it always printed.
class DisplayFailureAnswer {
public:
    // argv as QApplication will see it: -platform and -display are read from it.
    DisplayFailureAnswer(int argc, char** argv);
    ~DisplayFailureAnswer();
    DisplayFailureAnswer(const DisplayFailureAnswer&) = delete;
    DisplayFailureAnswer& operator=(const DisplayFailureAnswer&) = delete;
};

}  // namespace duel
