#pragma once
// Some decoder libraries print their own error lines straight to the
// process's standard error (libpng does, whatever Qt's message handler is),
// which would add stray lines to the one line a failed command prints.
// While an object of this class lives, standard error goes nowhere.
namespace tessaline {

class QuietStandardError {
  public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

  private:
    int saved_ = -1; // the real standard error while this is quiet
};

} // namespace tessaline
