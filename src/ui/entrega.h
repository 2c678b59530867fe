#pragma once
// One copy, many files: a session file opened while a copy of the program runs (a double click in
// a file manager) is handed to that copy, which raises its window and shows the file's report,
// instead of a second window starting.

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace quimerix::ui {

// The running copy's end: a local socket at `ruta` (beside the copy's lock, in the user's runtime
// folder) that takes the path of a file and calls `rebut` with it once the event loop is free.
class ReceptorArxius {
  public:
    // Only the copy that holds the lock listens: a socket left at `ruta` by a copy that is gone is
    // replaced.
    ReceptorArxius(const QString &ruta, std::function<void(const QString &)> rebut);
    ~ReceptorArxius();
    ReceptorArxius(const ReceptorArxius &) = delete;
    ReceptorArxius &operator=(const ReceptorArxius &) = delete;
    bool escolta() const;

  private:
    std::unique_ptr<QLocalServer> servidor_;
    std::function<void(const QString &)> rebut_;
};

// The second copy's end: hands the file at `arxiu` (made absolute here) to the copy listening at
// `ruta`. False when no copy takes it within `ms` milliseconds.
bool entrega_arxiu(const QString &ruta, const QString &arxiu, int ms = 3000);

} // namespace quimerix::ui
