#pragma once
// The round of the student's own mistakes after a set: the exercises answered wrong (or not in
// time) are asked again in a shuffled order; a wrong answer goes back to the end of the queue, and
// the round ends when each has been answered right once or when the student leaves it.

#include <deque>
#include <string>
#include <vector>

#include "generation/aleatori.h"
#include "generation/exercici.h"

namespace quimerix {

// One exercise of the set to ask again: the compound as it was built, in the same task.
struct Error_serie {
    int numero = 0; // its number in the set
    Tasca tasca = Tasca::Formular;
    Exercici exercici;
    bool operator==(const Error_serie &) const = default;
};

class Repeticio {
  public:
    // Shuffles the mistakes with `font` (each order equally likely).
    Repeticio(std::vector<Error_serie> errors, FontAleatoria &font);

    // The exercise asked now; nullptr once the round is over.
    const Error_serie *actual() const { return cua_.empty() || deixada_ ? nullptr : &cua_.front(); }
    // The answer to the exercise asked now: right takes it out of the round, wrong sends it to the
    // end of the queue.
    void respon(bool correcte);
    // "Deixa la repetició": the round ends with what is still pending.
    void deixa() { deixada_ = true; }

    bool acabada() const { return actual() == nullptr; }
    bool deixada() const { return deixada_; }
    int total() const { return total_; }
    int pendents() const { return static_cast<int>(cua_.size()); }
    // Answers given in the round, and the exercises answered right at their first try in it.
    int respostes() const { return respostes_; }
    int a_la_primera() const { return a_la_primera_; }

    // "Errors pendents: 3 de 5".
    std::string progres() const;
    // What the round's end shows.
    std::string resultat() const;

  private:
    std::deque<Error_serie> cua_;
    std::vector<int> fallats_; // numbers answered wrong at least once in the round
    int total_ = 0;
    int respostes_ = 0;
    int a_la_primera_ = 0;
    bool deixada_ = false;
};

} // namespace quimerix
