#pragma once
// The questions and notices a set asks through the window, and their titles.

#include <string>

namespace quimerix {

enum class Icona { Informacio, Exclamacio };

inline const std::string Titol_atencio = " Atenció !";
inline const std::string Titol_informacio = " Informació !";
// The title of boxes that have none of their own.
inline const std::string Titol_programa = "QUIMERIX";

// Modal questions and notices; the program answers them with message boxes, tests with a script.
class Missatges {
  public:
    virtual ~Missatges() = default;
    // A Yes/No question; true for Yes.
    virtual bool pregunta(const std::string &titol, const std::string &text, Icona icona) = 0;
    // A notice with an OK button.
    virtual void avisa(const std::string &titol, const std::string &text, Icona icona) = 0;
};

} // namespace quimerix
